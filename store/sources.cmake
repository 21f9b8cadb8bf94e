list(APPEND TALLAR_CORE_SOURCES
    store/Character.cpp
    store/Database.cpp
    store/Identifier.cpp
    store/References.cpp
    store/Schema.cpp
    store/Workspace.cpp
)
