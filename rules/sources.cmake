list(APPEND TALLAR_CORE_SOURCES
    rules/DiceGenerator.cpp
    rules/RulesMath.cpp
)
