list(APPEND TALLAR_CORE_SOURCES
    wizard/AskedThrows.cpp
    wizard/DiceEntry.cpp
)
list(APPEND TALLAR_CORE_SOURCES
    wizard/CIstotaWizard.cpp
    wizard/CWizard1.cpp
    wizard/CWizard2.cpp
    wizard/WizardEntries.cpp
)
