list(APPEND TALLAR_CORE_SOURCES
    rules/DiceGenerator.cpp
    rules/RulesMath.cpp
    rules/AttributeSet.cpp
    rules/ExpressionNames.cpp
    rules/RegExp.cpp
    rules/Dice.cpp
)
