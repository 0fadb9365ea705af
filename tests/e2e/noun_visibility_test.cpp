// The game can be cleared with the words it shows. The full-game key script
// is played as a new player would play it, and every noun it types must
// have been shown in [brackets] by the game before (in any earlier reply or
// description), or be an item the player carries at that moment, which the
// inventory names. What is carried is read from the program's trace: after
// each command's own line ("|look|") it writes the words of the carried
// items ("carried:[newspaper][medal]"), in the input language of the moment,
// the one the command was typed in (here English: the script switches to it
// first, so the echoed lines show the words as typed, not turned into kana).
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The general nouns are not bracketed: the noun help page lists them
// ("help noun"), and says that the other nouns are shown in brackets.
constexpr const char *general_nouns[] = {"door", "window", "wall", "floor", "ceiling", "stairs", "room", "corridor"};

// Commands whose noun is typed before the game shows it, on purpose.
struct exception {
    const char *command;
    const char *reason;
};
constexpr exception exceptions[] = {
    {"get medal", "tried once before the leaflet is taken, to see that the medal lies hidden under it"},
};

struct command {
    std::string line;              // as typed, without the prompt
    std::set<std::string> carried; // the words of the items carried when it was typed
};

// The commands of the trace, in order, each with what was carried.
std::vector<command> traced_commands(const std::string &trace) {
    std::vector<command> out;
    std::istringstream in(trace);
    for (std::string l; std::getline(in, l);) {
        if (l.size() >= 2 && l.front() == '|' && l.back() == '|') {
            out.push_back({l.substr(1, l.size() - 2), {}});
        } else if (l.rfind("carried:", 0) == 0 && !out.empty()) {
            for (size_t at = l.find('['); at != std::string::npos; at = l.find('[', at + 1))
                out.back().carried.insert(l.substr(at + 1, l.find(']', at) - at - 1));
        }
    }
    return out;
}

// The noun part of a command: the words after the verb, one blank apart.
std::string noun_of(const std::string &line) {
    std::istringstream in(line);
    std::string verb, word, noun;
    in >> verb;
    while (in >> word) noun += (noun.empty() ? "" : " ") + word;
    return noun;
}

// Adds the words in brackets in text to shown. A word may run over a line
// break, where the console wrapped it.
void add_bracketed(const std::string &text, std::set<std::string> &shown) {
    for (size_t at = text.find('['); at != std::string::npos; at = text.find('[', at + 1)) {
        size_t end = text.find_first_of("[]", at + 1);
        if (end == std::string::npos || text[end] != ']') continue;
        std::string word;
        for (char c : text.substr(at + 1, end - at - 1))
            if (c != '\n') word += c;
        shown.insert(word);
    }
}

}  // namespace

TEST(NounVisibility, EveryNounTheFullGameTypesIsShownFirstOrCarried) {
    std::string dir = e2e::install("e2e-nouns");
    std::string transcript = e2e::run_keys(dir, e2e::e2e_file("full_game.keys"), "--trace");
    std::vector<command> commands = traced_commands(vxtest::read_file(dir + "/err.txt"));
    ASSERT_GT(commands.size(), 300u) << "the trace names each command";

    std::set<std::string> shown(std::begin(general_nouns), std::end(general_nouns));
    std::map<std::string, int> excused;
    std::string unseen; // the commands whose noun the player could not know, one a line
    std::string said;   // the replies since the last command
    size_t next = 0;
    std::istringstream in(transcript);
    for (std::string l; std::getline(in, l);) {
        if (l.size() < 2 || l[0] != '>') {
            said += l + "\n"; // a reply, or the answer to a question
            continue;
        }
        add_bracketed(said, shown);
        said.clear();
        ASSERT_LT(next, commands.size()) << "echoed but not traced: " << l;
        const command &c = commands[next++];
        ASSERT_EQ(c.line, l.substr(1)) << "the transcript and the trace disagree";
        std::string noun = noun_of(c.line);
        if (noun.empty() || shown.count(noun) || c.carried.count(noun)) continue;
        const exception *excepted = nullptr;
        for (const exception &e : exceptions)
            if (c.line == e.command) excepted = &e;
        if (excepted)
            ++excused[excepted->command];
        else
            unseen += "\n  " + c.line + "  (not shown as [" + noun + "], not carried)";
    }
    EXPECT_EQ(next, commands.size()) << "traced but not echoed";
    EXPECT_TRUE(unseen.empty()) << "typed before the game showed them:" << unseen;
    // An exception that is no longer needed is taken off the list.
    for (const exception &e : exceptions)
        EXPECT_GT(excused[e.command], 0) << "\"" << e.command << "\" is shown before it is typed now";
}
