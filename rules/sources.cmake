list(APPEND TALLAR_CORE_SOURCES
    rules/DiceGenerator.cpp
    rules/DiceSyntax.cpp
    rules/RulesChecker.cpp
    rules/SampleRules.cpp
)
include(${CMAKE_CURRENT_LIST_DIR}/EmbedSampleRules.cmake)
