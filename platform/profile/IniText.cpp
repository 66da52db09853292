#include "platform/profile/IniText.h"

#include <cstring>

namespace platform {
namespace {

constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

// Byte offsets of one line: its text is [begin, textEnd), its line break [textEnd, end).
struct Line {
    qsizetype begin = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0;
};

Line LineAt(QByteArrayView text, qsizetype begin) {
    const auto* start = text.data() + begin;
    const auto* feed = static_cast<const char*>(std::memchr(start, '\n', text.size() - begin));
    Line line{begin, text.size(), text.size()};
    if (feed != nullptr) {
        line.textEnd = feed - text.data();
        line.end = line.textEnd + 1;
    }
    if (line.textEnd > begin && text[line.textEnd - 1] == '\r') {
        --line.textEnd;
    }
    return line;
}

QByteArrayView LineText(QByteArrayView text, const Line& line) {
    QByteArrayView body = text.sliced(line.begin, line.textEnd - line.begin);
    if (line.begin == 0 && body.startsWith(kByteOrderMark)) {
        body = body.sliced(kByteOrderMark.size());
    }
    return body;
}

enum class LineKind { Other, Section, Key };

struct LineMeaning {
    LineKind kind = LineKind::Other;
    QByteArrayView name;
    QByteArrayView value;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsCommentStart(char c) {
    return c == ';' || c == '#';
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

LineMeaning Meaning(QByteArrayView lineText) {
    const QByteArrayView body = TrimIniBlanks(lineText);
    if (body.isEmpty() || IsCommentStart(body.front())) {
        return {};
    }
    if (body.front() == '[') {
        const qsizetype close = body.lastIndexOf(']');
        if (close > 0) {
            return {LineKind::Section, TrimIniBlanks(body.sliced(1, close - 1)), {}};
        }
    }
    const qsizetype equals = body.indexOf('=');
    if (equals < 0) {
        return {};
    }
    const QByteArrayView name = TrimIniBlanks(body.first(equals));
    if (name.isEmpty()) {
        return {};
    }
    return {LineKind::Key, name, TrimIniBlanks(body.sliced(equals + 1))};
}

// Where a key stands, or would go, in the text.
struct Place {
    bool sectionFound = false;
    std::optional<Line> keyLine;
    QByteArrayView keySpelling;
    QByteArrayView value;
    Line insertAfter; // the section's last key line, or its header when it has none
};

Place Locate(QByteArrayView text, QByteArrayView section, QByteArrayView key) {
    Place place;
    for (qsizetype at = 0; at < text.size();) {
        const Line line = LineAt(text, at);
        at = line.end;
        const LineMeaning meaning = Meaning(LineText(text, line));
        if (meaning.kind == LineKind::Section) {
            if (place.sectionFound) {
                break;
            }
            place.sectionFound = SameName(meaning.name, section);
            place.insertAfter = line;
        } else if (place.sectionFound && meaning.kind == LineKind::Key) {
            place.insertAfter = line;
            if (SameName(meaning.name, key)) {
                place.keyLine = line;
                place.keySpelling = meaning.name;
                place.value = meaning.value;
                break;
            }
        }
    }
    return place;
}

QByteArrayView LineBreakOf(QByteArrayView text) {
    const qsizetype feed = text.indexOf('\n');
    return feed > 0 && text[feed - 1] == '\r' ? QByteArrayView("\r\n") : QByteArrayView("\n");
}

// What must follow head so that a new line can start after it: nothing after a line feed (or at the very
// start), the missing line feed after a lone carriage return, else a whole line break.
QByteArrayView LineBreakToClose(QByteArrayView head, QByteArrayView lineBreak) {
    if (head.isEmpty() || head.back() == '\n') {
        return {};
    }
    return head.back() == '\r' ? QByteArrayView("\n") : lineBreak;
}

QByteArray KeyLine(QByteArrayView key, QByteArrayView value, QByteArrayView lineBreak) {
    QByteArray line;
    line.reserve(key.size() + value.size() + 1 + lineBreak.size());
    return line.append(key).append('=').append(value).append(lineBreak);
}

bool HasLineBreak(QByteArrayView text) {
    return text.contains('\n') || text.contains('\r');
}

} // namespace

QByteArrayView TrimIniBlanks(QByteArrayView text) {
    while (!text.isEmpty() && IsBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && IsBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

std::optional<QByteArray> FindIniValue(QByteArrayView text, QByteArrayView section, QByteArrayView key) {
    const Place place = Locate(text, TrimIniBlanks(section), TrimIniBlanks(key));
    if (!place.keyLine) {
        return std::nullopt;
    }
    return place.value.toByteArray();
}

bool IsStorableIniEntry(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    const QByteArrayView sectionName = TrimIniBlanks(section);
    const QByteArrayView keyName = TrimIniBlanks(key);
    if (sectionName.isEmpty() || keyName.isEmpty()) {
        return false;
    }
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) {
        return false;
    }
    return !keyName.contains('=') && keyName.front() != '[' && !IsCommentStart(keyName.front());
}

QByteArray SetIniValue(QByteArrayView text, QByteArrayView section, QByteArrayView key,
                       QByteArrayView value) {
    const QByteArrayView sectionName = TrimIniBlanks(section);
    const QByteArrayView keyName = TrimIniBlanks(key);
    const QByteArrayView lineBreak = LineBreakOf(text);
    const Place place = Locate(text, sectionName, keyName);
    QByteArray result;
    result.reserve(text.size() + sectionName.size() + keyName.size() + value.size() + 8);
    if (place.keyLine) {
        const Line& line = *place.keyLine;
        result.append(text.first(line.begin)).append(place.keySpelling).append('=').append(value);
        return result.append(text.sliced(line.textEnd));
    }
    if (place.sectionFound) {
        const QByteArrayView head = text.first(place.insertAfter.end);
        result.append(head).append(LineBreakToClose(head, lineBreak));
        return result.append(KeyLine(keyName, value, lineBreak)).append(text.sliced(head.size()));
    }
    result.append(text).append(LineBreakToClose(text, lineBreak));
    result.append('[').append(sectionName).append(']').append(lineBreak);
    return result.append(KeyLine(keyName, value, lineBreak));
}

} // namespace platform
