list(APPEND TALLAR_CORE_SOURCES
    editors/Catalogue.cpp
    editors/Fields.cpp
    editors/FormulaFields.cpp
    editors/RowEditor.cpp
    editors/RowList.cpp
)
