#pragma once
// Line-oriented text files in the 8-bit code page, as the host writes them.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/io_status.h"

namespace platform {

// What ends a line. The host ends one at CR LF or a lone CR only, and a lone LF stays
// part of the line; the theme files are read by us alone, and one that an editor saved
// with lines ended by LF alone is read line by line as meant.
enum class LineEnds { CrOrCrLf, CrLfCrOrLf };

// Splits bytes into lines, also when they arrive in pieces: CR LF or a lone CR ends a
// line, also when the CR ends one piece and the LF starts the next; a lone LF stays
// part of the line unless LF ends lines too; a last line without a line end is taken. Each line is passed on
// without its line end, in order, empty lines too (callers decide). A line that lies
// within one piece is passed on as a part of that piece, without a copy.
class LineSplitter {
 public:
  explicit LineSplitter(LineEnds ends = LineEnds::CrOrCrLf) : endChars_(ends == LineEnds::CrOrCrLf ? "\r" : "\r\n") {}
  // Passes on every line that ends in this piece.
  template <typename OnLine>
  void Feed(std::string_view piece, OnLine&& onLine) {
    piece = PassOnEndedLines(piece, onLine);
    partial_.append(piece);
  }
  // The last piece (which may be empty): its lines, and then the last line if it has
  // no line end.
  template <typename OnLine>
  void FeedLast(std::string_view piece, OnLine&& onLine) {
    piece = PassOnEndedLines(piece, onLine);
    if (!piece.empty() || !partial_.empty()) PassOn(piece, onLine);
  }

 private:
  // The rest of the piece after its last line end.
  template <typename OnLine>
  std::string_view PassOnEndedLines(std::string_view piece, OnLine& onLine) {
    if (lfMayFollow_ && !piece.empty()) {
      lfMayFollow_ = false;
      if (piece.front() == '\n') piece.remove_prefix(1);
    }
    for (std::size_t end = piece.find_first_of(endChars_); end != std::string_view::npos;
         end = piece.find_first_of(endChars_)) {
      const bool carriageReturn = piece[end] == '\r';
      PassOn(piece.substr(0, end), onLine);
      piece.remove_prefix(end + 1);
      if (!carriageReturn) continue;
      if (piece.empty()) {
        lfMayFollow_ = true;  // the LF of this CR LF may start the next piece
      } else if (piece.front() == '\n') {
        piece.remove_prefix(1);
      }
    }
    return piece;
  }
  // The end of a line, after the part of it that earlier pieces held.
  template <typename OnLine>
  void PassOn(std::string_view end, OnLine& onLine) {
    if (partial_.empty()) {
      onLine(end);
      return;
    }
    partial_.append(end);
    onLine(std::string_view(partial_));
    partial_.clear();
  }

  std::string_view endChars_;
  std::string partial_;  // a line begun in earlier pieces
  bool lfMayFollow_ = false;
};

// Every line of `bytes`, as LineSplitter splits them; each a part of `bytes`.
template <typename OnLine>
void ForEachLine(std::string_view bytes, OnLine&& onLine, LineEnds ends = LineEnds::CrOrCrLf) {
  LineSplitter(ends).FeedLast(bytes, onLine);
}

// The lines ForEachLine passes on, as a list.
std::vector<std::string_view> SplitLines(std::string_view bytes, LineEnds ends = LineEnds::CrOrCrLf);

// The lines of these bytes, each converted from the code page.
std::vector<std::wstring> DecodeLines(std::string_view bytes);

// Every line of the file, as LineSplitter splits them, read piece by piece; a line is
// valid during the call only.
IoStatus ReadFileLines(const std::wstring& path, const std::function<void(std::string_view)>& onLine);

// The lines of decoded text (a Unicode file of ours), split as ForEachLine splits bytes.
template <typename Visit>
void ForEachTextLine(std::wstring_view text, Visit&& visit, LineEnds ends = LineEnds::CrOrCrLf) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\r' && (text[i] != L'\n' || ends == LineEnds::CrOrCrLf)) continue;
    visit(text.substr(start, i - start));
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) visit(text.substr(start));
}

// What a text file is, as the host's way of reading 8-bit lines sees it.
enum class TextShape {
  CodePageLines,  // 8-bit text with CR LF or CR line ends, as the host writes it
  Utf16,          // saved as Unicode (a UTF-16 byte-order mark): no line reads as meant
  LoneLineFeeds,  // lines ended by LF alone, which do not end a line for the host
};
TextShape ShapeOfText(std::string_view bytes);
// Why a file of that shape is neither read as meant nor written over (None for
// CodePageLines); the caller words it in the user's language.
FileTrouble TroubleOfShape(TextShape shape);

// Files of our own (the theme store, theme files) that an editor saved in a Unicode
// encoding: marked as UTF-16 or UTF-8, or unmarked UTF-8 with characters beyond ASCII,
// which code-page text with Japanese in it practically never is.
enum class UnicodeText { None, Utf8, Utf16 };
UnicodeText UnicodeEncodingOf(std::string_view bytes);
// The same, told line by line as a file is read (each line without its line end).
class UnicodeSniffer {
 public:
  void FeedLine(std::string_view line);
  UnicodeText Encoding() const;

 private:
  bool firstLine_ = true;
  bool utf16Mark_ = false;
  bool utf8Mark_ = false;
  bool beyondAscii_ = false;
  bool notUtf8_ = false;
};
// The text of such a file, without its mark.
std::wstring DecodeUnicode(std::string_view bytes, UnicodeText encoding);

// Reads the file and converts each line from the code page.
IoStatus ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines);

// Each line converted to the code page and followed by CR LF.
std::string JoinLinesCrlf(const std::vector<std::wstring>& lines);
// One such line added to the bytes of a file being made.
void AppendLineCrlf(std::string& bytes, std::wstring_view line);

// JoinLinesCrlf written through WriteFileSafely.
IoStatus WriteTextLines(const std::wstring& path, const std::vector<std::wstring>& lines);

}  // namespace platform
