list(APPEND TALLAR_CORE_SOURCES
    model/Entry.cpp
    model/EntryLabel.cpp
    model/EntryStore.cpp
    model/EntryTotals.cpp
    model/GameDate.cpp
    model/Trace.cpp
    model/TreeDepth.cpp
)
