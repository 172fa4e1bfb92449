#include "Engine/Config/IniLine.h"

#include <cctype>

namespace {

struct Span {
    std::size_t begin;
    std::size_t end;
};

bool isSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The span without its white space at both ends.
Span trimmed(const std::string& line, Span span)
{
    while (span.begin < span.end && isSpace(line[span.begin])) ++span.begin;
    while (span.end > span.begin && isSpace(line[span.end - 1])) --span.end;
    return span;
}

std::string textOf(const std::string& line, Span span)
{
    return line.substr(span.begin, span.end - span.begin);
}

std::vector<Span> piecesBetweenEqualsSigns(const std::string& line)
{
    std::vector<Span> pieces;
    std::size_t begin = 0;
    for (std::size_t at = 0; at <= line.size(); ++at) {
        if (at < line.size() && line[at] != '=') continue;
        if (at > begin) pieces.push_back({begin, at});
        begin = at + 1;
    }
    return pieces;
}

bool isCommentMark(char c)
{
    return c == '#' || c == ';';
}

// Where a comment starts inside the value's piece, or the piece's end.
std::size_t commentStart(const std::string& line, Span piece)
{
    bool quoted = false;
    for (std::size_t at = piece.begin; at < piece.end; ++at) {
        if (line[at] == '"') quoted = !quoted;
        if (!quoted && isCommentMark(line[at]) && at > 0 && isSpace(line[at - 1])) return at;
    }
    return piece.end;
}

IniLine headerOrOther(const std::string& line, Span piece)
{
    const Span text = trimmed(line, piece);
    IniLine lexed;
    if (text.end - text.begin >= 2 && line[text.begin] == '[' && line[text.end - 1] == ']') {
        lexed.kind = IniLine::Kind::section;
        lexed.name = textOf(line, {text.begin + 1, text.end - 1});
    }
    return lexed;
}

IniLine keyValue(const std::string& line, const std::vector<Span>& pieces)
{
    const Span key = pieces[0], valuePiece = pieces[1];
    const std::size_t comment = commentStart(line, valuePiece);
    const Span value = trimmed(line, {valuePiece.begin, comment});
    IniLine lexed;
    if (value.begin == value.end) return lexed;
    lexed.kind = IniLine::Kind::keyValue;
    lexed.name = textOf(line, trimmed(line, key));
    lexed.value = textOf(line, value);
    lexed.valueBegin = value.begin;
    lexed.valueEnd = value.end;
    const bool lastPiece = comment < valuePiece.end || pieces.size() == 2;
    lexed.plain = key.begin == 0 && valuePiece.begin == key.end + 1 && lastPiece;
    return lexed;
}

} // namespace

IniLine lexIniLine(const std::string& line)
{
    const Span whole = trimmed(line, {0, line.size()});
    IniLine lexed;
    if (whole.begin == whole.end) {
        lexed.kind = IniLine::Kind::blank;
        return lexed;
    }
    if (isCommentMark(line[whole.begin])) {
        lexed.kind = IniLine::Kind::comment;
        return lexed;
    }
    const std::vector<Span> pieces = piecesBetweenEqualsSigns(line);
    if (pieces.size() == 1) return headerOrOther(line, pieces[0]);
    return pieces.size() >= 2 ? keyValue(line, pieces) : lexed;
}

std::vector<TextLine> splitLines(const std::string& text, LineEnds ends)
{
    std::vector<TextLine> lines;
    std::size_t begin = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool crlf = text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
        const bool loneCr = text[at] == '\r' && !crlf && ends == LineEnds::any;
        if (text[at] != '\n' && !crlf && !loneCr) continue;
        const std::size_t endLength = crlf ? 2 : 1;
        lines.push_back({text.substr(begin, at - begin), text.substr(at, endLength)});
        at += endLength - 1;
        begin = at + 1;
    }
    if (begin < text.size()) lines.push_back({text.substr(begin), ""});
    return lines;
}
