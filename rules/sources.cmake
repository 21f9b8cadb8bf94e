list(APPEND TALLAR_CORE_SOURCES
    rules/DiceGenerator.cpp
    rules/GrowthProfile.cpp
    rules/RulesMath.cpp
    rules/AttributeSet.cpp
    rules/ExpressionNames.cpp
    rules/RegExp.cpp
    rules/Dice.cpp
    rules/RulesChecker.cpp
    rules/SampleRules.cpp
    rules/EngineSupport.cpp
    rules/CRdzenFormula.cpp
    rules/CRdzenOdpornosci.cpp
    rules/CRdzenKlasaSpoleczna.cpp
    rules/CRdzenUlomnosc.cpp
    rules/CRdzenStadium.cpp
)
include(${CMAKE_CURRENT_LIST_DIR}/EmbedSampleRules.cmake)
