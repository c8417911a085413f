#include "core/SettingsText.h"

#include <optional>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return trimmed(a).compare(trimmed(b), Qt::CaseInsensitive) == 0;
}

// One line of the text: where it starts, its content (without the line
// feed, with a carriage return before it removed), and where the next one starts.
struct Line
{
    qsizetype start;
    QByteArrayView content;
    qsizetype next;
    bool terminated;
};

Line lineAt(QByteArrayView text, qsizetype start)
{
    const qsizetype feed = text.indexOf('\n', start);
    const qsizetype end = feed < 0 ? text.size() : feed;
    QByteArrayView content = text.sliced(start, end - start);
    if (content.endsWith('\r'))
        content.chop(1);
    return { start, content, feed < 0 ? text.size() : feed + 1, feed >= 0 };
}

// A UTF-8 byte order mark is not part of the first line's name.
qsizetype firstLineStart(QByteArrayView text)
{
    return text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

std::optional<QByteArrayView> sectionName(QByteArrayView content)
{
    const QByteArrayView line = trimmed(content);
    if (!line.startsWith('['))
        return std::nullopt;
    const qsizetype close = line.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return line.sliced(1, close - 1);
}

// The position of '=' in a key line, or -1 for any other line.
qsizetype equalsSign(QByteArrayView content)
{
    const QByteArrayView line = trimmed(content);
    if (line.startsWith(';'))
        return -1;
    return content.indexOf('=');
}

// Where section and key stand in the text.
struct Found
{
    std::optional<Line> section;
    std::optional<Line> key;
    // The last non-blank line of the section (its header when it has none).
    std::optional<Line> lastOfSection;
};

Found find(QByteArrayView text, QByteArrayView section, QByteArrayView key)
{
    Found found;
    bool inSection = false;
    for (qsizetype at = firstLineStart(text); at < text.size();) {
        const Line line = lineAt(text, at);
        at = line.next;
        if (const auto name = sectionName(line.content)) {
            if (inSection)
                break;
            if (sameName(*name, section)) {
                inSection = true;
                found.section = found.lastOfSection = line;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!trimmed(line.content).isEmpty())
            found.lastOfSection = line;
        const qsizetype equals = equalsSign(line.content);
        if (equals >= 0 && sameName(line.content.first(equals), key)) {
            found.key = line;
            break;
        }
    }
    return found;
}

QByteArray lineEnding(QByteArrayView text)
{
    const qsizetype feed = text.indexOf('\n');
    if (feed < 0 || (feed > 0 && text[feed - 1] == '\r'))
        return QByteArrayLiteral("\r\n");
    return QByteArrayLiteral("\n");
}

} // namespace

QByteArray SettingsText::value(QByteArrayView text, QByteArrayView section, QByteArrayView key)
{
    const Found found = find(text, section, key);
    if (!found.key)
        return {};
    const QByteArrayView content = found.key->content;
    QByteArrayView value = trimmed(content.sliced(equalsSign(content) + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.toByteArray();
}

QByteArray SettingsText::withValue(
    QByteArrayView text, QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const Found found = find(text, section, key);
    const QByteArray eol = lineEnding(text);
    QByteArray result;
    if (found.key) {
        const Line &line = *found.key;
        const qsizetype valueStart = line.start + equalsSign(line.content) + 1;
        const qsizetype contentEnd = line.start + line.content.size();
        result.append(text.first(valueStart));
        result.append(value);
        result.append(text.sliced(contentEnd));
        return result;
    }
    const QByteArray keyLine = key.toByteArray() + '=' + value.toByteArray();
    if (found.section) {
        const Line &last = *found.lastOfSection;
        result.append(text.first(last.next));
        if (!last.terminated)
            result.append(eol);
        result.append(keyLine);
        if (last.terminated)
            result.append(eol);
        result.append(text.sliced(last.next));
        return result;
    }
    result.append(text);
    if (!text.isEmpty() && !text.endsWith('\n'))
        result.append(eol);
    result.append('[' + section.toByteArray() + ']' + eol + keyLine + eol);
    return result;
}
