#include "src/data/WildcardMatch.h"

#include <cstring>

namespace strfind {
namespace {

using Byte = unsigned char;

Byte Fold(Byte c, bool ignoreCase) {
    return (ignoreCase && c >= 'a' && c <= 'z') ? static_cast<Byte>(c - 'a' + 'A') : c;
}

bool Same(Byte a, Byte b, bool ignoreCase) {
    return Fold(a, ignoreCase) == Fold(b, ignoreCase);
}

bool IsMeta(Byte c) {
    return c == '*' || c == '?' || c == '\\';
}

class Matcher {
public:
    Matcher(const char* text, const char* pattern, bool ignoreCase)
        : start_(reinterpret_cast<const Byte*>(text)),
          pattern_(reinterpret_cast<const Byte*>(pattern)),
          ignoreCase_(ignoreCase) {}

    AnchoredMatch Run() {
        t_ = start_;
        p_ = pattern_;
        if (!MatchUpToFirstStar()) {
            return result_;
        }
        MatchFromStars();
        return result_;
    }

private:
    // Phase 1: every pattern element before the first star takes exactly one text byte.
    // Returns true when a star was reached and the stars phase must run.
    bool MatchUpToFirstStar() {
        for (;;) {
            Byte c = *p_;
            if (c == 0) {
                return Succeed();
            }
            if (c == '*') {
                return true;
            }
            if (c == '?') {
                if (*t_ == 0) {
                    return FailAllLaterStarts();
                }
                ++t_;
                ++p_;
                continue;
            }
            bool exact = false;
            if (c == '\\') {
                const Byte next = p_[1];
                if (next == 0) {
                    return Succeed();
                }
                exact = IsMeta(next);
                c = next;
                ++p_;
            }
            if (*t_ == 0) {
                // A later start has even less text before this element.
                return FailAllLaterStarts();
            }
            if (exact ? *t_ != c : !Same(*t_, c, ignoreCase_)) {
                return Fail();
            }
            ++t_;
            ++p_;
        }
    }

    // Phase 2, entered with the pattern at a star.
    void MatchFromStars() {
        // Failures before the first anchor is found hold for every later start too: a later
        // start reaches this point with the text further on, so it runs out as well.
        bool firstPass = true;
        const bool leadingStar = (p_ == pattern_);
        for (;;) {
            while (*p_ == '*') {
                ++p_;
            }
            if (*p_ == 0) {
                TakeRestOfText();
                return;
            }
            const bool skippable = firstPass && leadingStar && t_ == start_ && *p_ != '?';
            while (*p_ == '?') {
                if (*t_ == 0) {
                    firstPass ? FailAllLaterStarts() : Fail();
                    return;
                }
                ++t_;
                ++p_;
            }
            if (*p_ == 0) {
                TakeRestOfText();
                return;
            }
            if (*p_ == '*') {
                continue;
            }
            Byte anchor = *p_;
            if (anchor == '\\') {
                if (p_[1] == 0) {
                    TakeRestOfText();
                    return;
                }
                anchor = p_[1];
                ++p_;
            }
            ++p_;
            while (*t_ != 0 && !Same(*t_, anchor, ignoreCase_)) {
                ++t_;
            }
            if (*t_ == 0) {
                firstPass ? FailAllLaterStarts() : Fail();
                return;
            }
            if (skippable) {
                // Every start up to the anchor finds this same anchor and goes on identically.
                skip_ = static_cast<size_t>(t_ - start_) + 1;
            }
            ++t_;
            firstPass = false;
            if (!MatchLiteralRun()) {
                return;
            }
        }
    }

    // Step 7: the pattern bytes after an anchor. Returns true when the pattern is back at a
    // star (a new star or the retry point), false when the match has ended.
    bool MatchLiteralRun() {
        for (;;) {
            Byte c = *p_;
            if (c == 0) {
                Succeed();
                return false;
            }
            if (c == '*') {
                return true;
            }
            if (c == '?') {
                if (*t_ == 0) {
                    Fail();
                    return false;
                }
                ++t_;
                ++p_;
                continue;
            }
            bool exact = false;
            if (c == '\\') {
                const Byte next = p_[1];
                if (next == 0) {
                    Succeed();
                    return false;
                }
                exact = IsMeta(next);
                c = next;
                ++p_;
            }
            const Byte* failedAt = p_;
            const bool equal = exact ? *t_ == c : Same(*t_, c, ignoreCase_);
            ++p_;
            // The byte compared is consumed, but never the terminating zero: the text position
            // stays at the end and the retry below then runs out of text.
            if (*t_ != 0) {
                ++t_;
            }
            if (!equal) {
                // Retry at the nearest star at or before the failed byte (an escaped star
                // counts as one); the text is not moved back.
                while (*failedAt != '*') {
                    --failedAt;
                }
                p_ = failedAt;
                return true;
            }
        }
    }

    void TakeRestOfText() {
        t_ += std::strlen(reinterpret_cast<const char*>(t_));
        Succeed();
    }

    bool Succeed() {
        result_.matched = true;
        result_.length = static_cast<size_t>(t_ - start_);
        return false;
    }

    bool Fail() {
        result_.matched = false;
        result_.advance = skip_;
        return false;
    }

    bool FailAllLaterStarts() {
        Fail();
        result_.laterStartsFail = true;
        return false;
    }

    const Byte* start_;
    const Byte* pattern_;
    bool ignoreCase_;
    const Byte* t_ = nullptr;
    const Byte* p_ = nullptr;
    size_t skip_ = 1;
    AnchoredMatch result_;
};

}  // namespace

AnchoredMatch MatchAt(const char* text, const char* pattern, bool ignoreCase) {
    return Matcher(text, pattern, ignoreCase).Run();
}

}  // namespace strfind
