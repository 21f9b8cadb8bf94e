list(APPEND TALLAR_CORE_SOURCES
    output/CharacterFile.cpp
    output/CharacterFileCheck.cpp
    output/FileChoice.cpp
    output/XmlPullReader.cpp
)
