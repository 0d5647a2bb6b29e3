// Every bullet group the play driver names can be found with grep: its whole
// name stands on its row under game/bullets, and so do the names of its
// operations, for every operation by which the game, the play driver, the
// benchmarks or the tests call a group of its kind.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "framework/system/named.h"
#include "game/catalogue/catalogue.h"
#include "tests/support/sources.h"

namespace {

using Names = std::set<std::string>;

const std::vector<std::string> kKinds = {
#define BULLET_KIND(Kind, ...) #Kind,
#include "game/catalogue/kinds.inc"
};

std::string Alternatives(const std::vector<std::string>& words) {
    std::string any;
    for (const auto& w : words) any += (any.empty() ? "" : "|") + w;
    return any;
}

// The group names among the play driver's names, with their kinds: the stem
// of a pool NameShots or a record NameShot that is an owner, a kind and a
// number.
std::map<std::string, std::string> Groups() {
    std::vector<std::string> owners;
    for (int o = 0; o < catalogue::kOwnerCount; ++o) owners.push_back(catalogue::OwnerName(catalogue::Owner(o)));
    const std::regex group("(?:" + Alternatives(owners) + ")(" + Alternatives(kKinds) + ")[0-9]+Shots?");
    std::map<std::string, std::string> groups;
    named::ForEach([&](const std::string& name, char*, int, size_t, const std::vector<named::Field>&) {
        std::smatch m;
        if (std::regex_match(name, m, group)) groups[name.substr(0, name.rfind("Shot"))] = m[1];
    });
    return groups;
}

// The timeline words that call a group's operations, with the verbs they
// call: the verbs themselves, and the words of the timelines' own header
// written with them (Shots(X) is Move(X), Draw(X)).
std::map<std::string, Names> TimelineWords() {
    std::map<std::string, Names> words = {{"Spawn", {"Spawn"}}, {"Emit", {"Emit"}}, {"Move", {"Move"}}, {"Draw", {"Draw"}}};
    const std::regex word(R"(#define (\w+)\(X\) (.*))"), verb(R"(\b(Spawn|Emit|Move|Draw)\(X\))");
    for (const auto& file : testsupport::SourceFiles("game/stages"))
        for (const auto& line : file.lines) {
            std::smatch m;
            if (!std::regex_match(line, m, word)) continue;
            const std::string body = m[2];
            for (std::sregex_iterator v(body.begin(), body.end(), verb), end; v != end; ++v)
                words[m[1]].insert((*v)[1]);
        }
    return words;
}

bool HasWord(const std::string& line, const std::string& word) {
    auto inWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    for (size_t at = line.find(word); at != std::string::npos; at = line.find(word, at + 1)) {
        const size_t end = at + word.size();
        if ((at == 0 || !inWord(line[at - 1])) && (end == line.size() || !inWord(line[end]))) return true;
    }
    return false;
}

TEST(GroupNames, EveryGroupAndTheOperationsOfItsKindStandOnItsRow) {
    const auto groups = Groups();
    Names kindsSeen;
    for (const auto& [name, kind] : groups) kindsSeen.insert(kind);
    EXPECT_EQ(kindsSeen, Names(kKinds.begin(), kKinds.end())) << "every kind has groups";

    // The verbs each kind's groups are called with by name outside the bullet
    // kinds: spelt whole (EmitStage5BossSpiral1) or as a timeline word
    // (Emit(Stage5BossSpiral1)). A kind has every verb any of its groups is
    // called with.
    const auto words = TimelineWords();
    const std::regex spelt(R"(\b(Spawn|Emit|Move|Draw)(\w+))"), worded(R"(\b(\w+)\(\s*(\w+)\s*\))");
    std::map<std::string, Names> verbs;  // by kind
    for (const char* folder : {"game", "app", "bench", "tests"})
        for (const auto& file : testsupport::SourceFiles(folder)) {
            if (file.path.rfind("game/bullets/", 0) == 0) continue;
            for (const auto& line : file.lines) {
                for (std::sregex_iterator m(line.begin(), line.end(), spelt), end; m != end; ++m)
                    if (groups.count((*m)[2])) verbs[groups.at((*m)[2])].insert((*m)[1]);
                for (std::sregex_iterator m(line.begin(), line.end(), worded), end; m != end; ++m)
                    if (groups.count((*m)[2]) && words.count((*m)[1]))
                        for (const auto& verb : words.at((*m)[1])) verbs[groups.at((*m)[2])].insert(verb);
            }
        }
    EXPECT_TRUE(verbs["Spiral"].count("Move")) << "the timeline words are read";

    const auto bullets = testsupport::SourceFiles("game/bullets");
    for (const auto& [name, kind] : groups) {
        SCOPED_TRACE(name);
        const std::regex row(R"(\s*G\(\s*)" + name + R"(\s*,.*)");
        std::vector<std::string> rows;
        for (const auto& file : bullets)
            for (const auto& line : file.lines)
                if (HasWord(line, name) && std::regex_match(line, row)) rows.push_back(line);
        ASSERT_EQ(rows.size(), 1u) << "grep " << name << " game/bullets finds one row";
        for (const auto& verb : verbs[kind]) EXPECT_TRUE(HasWord(rows[0], verb + name)) << verb + name << " is not on the row";
    }
}

}  // namespace
