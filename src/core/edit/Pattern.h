#pragma once

#include <QString>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

struct pcre2_real_code_8;
struct pcre2_real_match_data_8;
struct pcre2_real_match_context_8;
struct pcre2_real_jit_stack_8;

// A regular expression as Find, Replace and the filter use it on one cell.
// PCRE2 matches the cells' UTF-8 as it is, with Unicode's letters and case
// rules, compiled to machine code where the library can. Without "Respecter
// la casse" case is ignored ("é" finds "É"); with "Mot entier seulement" a
// match must take the whole cell. A match that needs more than a fixed
// amount of work is abandoned, so that a pattern that backtracks without end
// costs a message, not a hung program.
class CPattern
{
public:
    enum class Match
    {
        None,
        Found,
        TooCostly
    };

    CPattern(std::string_view text, bool matchCase, bool wholeCell);

    // Empty when the pattern compiled; otherwise why not, in French, and
    // nothing may be matched.
    const QString& Problem() const { return m_problem; }
    // Why text is not a regular expression, in French; empty when it is one.
    static QString SyntaxProblem(std::string_view text);

    // Looks in subject for the first match that starts at or after start, a
    // character boundary. The subject must be valid UTF-8, as cells are.
    Match Find(std::string_view subject, std::size_t start) const;

    // Puts in out the subject with every match replaced, left to right and
    // not overlapping. In replacement, \0 stands for the whole match, \1 to
    // \9 for its groups (nothing for a group that took no part), \\ for one
    // backslash; any other backslash stays as it is. After an empty match
    // the search goes on one character further. None when nothing matched.
    Match Replace(std::string_view subject, std::string_view replacement, std::string& out) const;

private:
    struct Free
    {
        void operator()(pcre2_real_code_8* code) const;
        void operator()(pcre2_real_match_data_8* data) const;
        void operator()(pcre2_real_match_context_8* context) const;
        void operator()(pcre2_real_jit_stack_8* stack) const;
    };

    void PrepareMatching();
    // Where the last match found lies in its subject, in bytes.
    std::size_t MatchStart() const;
    std::size_t MatchEnd() const;
    void AppendExpansion(std::string& out, std::string_view replacement,
                         std::string_view subject) const;
    // The text of a group of the last match; empty when the group took no
    // part or the pattern has no such group.
    std::string_view Group(std::string_view subject, int group) const;

    std::unique_ptr<pcre2_real_code_8, Free> m_code;
    // The match data is scratch space for Find, which is const: it changes
    // nothing a caller sees but what the last match was.
    std::unique_ptr<pcre2_real_match_data_8, Free> m_matchData;
    std::unique_ptr<pcre2_real_match_context_8, Free> m_context;
    std::unique_ptr<pcre2_real_jit_stack_8, Free> m_jitStack;
    bool m_bJit = false;
    bool m_bWholeCell = false;
    QString m_problem;
};
