list(APPEND TALLAR_CORE_SOURCES
    wizard/DiceEntry.cpp
)
