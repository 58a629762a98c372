// Which engine plays a game: the classic rules, exact to their outcome tables, or the
// realistic model of each plate appearance.
#pragma once

#include <optional>
#include <string_view>

namespace velmoro {

enum class EngineKind { Classic, Realistic };

// "Classic", "Realistic": the names the windows show.
inline const char* EngineName(EngineKind kind) {
    return kind == EngineKind::Realistic ? "Realistic" : "Classic";
}

// "classic" / "realistic" (as the command lines take them), any case; none otherwise.
inline std::optional<EngineKind> ParseEngineKind(std::string_view text) {
    auto same = [&](std::string_view word) {
        if (text.size() != word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if ((text[i] | 0x20) != word[i]) return false;
        return true;
    };
    if (same("classic")) return EngineKind::Classic;
    if (same("realistic")) return EngineKind::Realistic;
    return std::nullopt;
}

}  // namespace velmoro
