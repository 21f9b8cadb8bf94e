#pragma once

#include "store/CharacterStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace tallar::test {

// The stored character `id`; a failure to load it is a test failure and gives null.
inline std::unique_ptr<CIstota> loadCharacter(Database& characters, std::string_view id) {
    Result<LoadedCharacter> loaded = LoadCharacter(characters, id);
    if (!loaded) {
        ADD_FAILURE() << "cannot load character " << id << ": " << loaded.message();
        return nullptr;
    }
    return std::move(loaded->character);
}

} // namespace tallar::test
