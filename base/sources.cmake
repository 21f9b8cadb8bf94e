list(APPEND TALLAR_CORE_SOURCES
    base/Cp1250.cpp
    base/NonInteractiveUserPort.cpp
)
