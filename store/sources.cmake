list(APPEND TALLAR_CORE_SOURCES
    store/Database.cpp
    store/Identifier.cpp
    store/Schema.cpp
    store/Workspace.cpp
)
