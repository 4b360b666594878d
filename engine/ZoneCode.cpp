#include "engine/ZoneCode.h"

#include "engine/NumberText.h"

namespace brimsel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

// ASCII only: the codes of the standard are ASCII, and a byte of a multi-byte
// character must never be altered.
void ConvertCase(std::string& text, ZoneMember member) {
    for (char& c : text) {
        if (member == ZoneMember::Hole && IsLower(c)) c = static_cast<char>(c - 'a' + 'A');
        if (member == ZoneMember::Shaft && IsUpper(c)) c = static_cast<char>(c - 'A' + 'a');
    }
}

}  // namespace

void SplitZoneCode(std::string_view code, std::string& letters, std::string& grade) {
    letters.assign(code);
    grade.clear();
    for (std::size_t p = 0; p < code.size(); ++p) {
        if (IsDigit(code[p])) {
            letters.assign(code.substr(0, p));
            grade.assign(code.substr(p));
            return;
        }
    }
}

std::string_view DropPreferredMark(std::string_view text) {
    if (!text.empty() && (text.front() == '*' || text.front() == ' ')) text.remove_prefix(1);
    return text;
}

NormalisedZone NormaliseZoneCode(std::string_view text, ZoneMember member) {
    NormalisedZone zone;
    SplitZoneCode(DropPreferredMark(text), zone.Letters, zone.Grade);
    if (!zone.Grade.empty() && zone.Grade != "01" && zone.Grade != "0") {
        zone.Grade = LeadingDigitsText(zone.Grade);
    }
    // The grade now holds digits only, so converting the letters alone is the
    // same as converting the joined text.
    ConvertCase(zone.Letters, member);
    zone.Text = zone.Letters + zone.Grade;
    return zone;
}

ZoneMember MemberByCase(std::string_view text) {
    for (const char c : text) {
        if (IsUpper(c)) return ZoneMember::Hole;
        if (IsLower(c)) return ZoneMember::Shaft;
    }
    return ZoneMember::Hole;
}

}  // namespace brimsel
