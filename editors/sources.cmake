list(APPEND TALLAR_CORE_SOURCES
    editors/Catalogue.cpp
    editors/CatalogueRaces.cpp
    editors/CatalogueSkills.cpp
    editors/CatalogueTrades.cpp
    editors/DeletePreview.cpp
    editors/Fields.cpp
    editors/FormulaFields.cpp
    editors/ListOrder.cpp
    editors/Lists.cpp
    editors/RowEditor.cpp
    editors/RowList.cpp
)
