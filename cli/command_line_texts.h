#pragma once
// Every text the command line prints, in both languages side by side (ui/texts.h), in
// one place of its own: the window's texts are questions and boxes, these are lines for
// a console and a script's log.
#include <cstddef>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "ui/texts.h"

// /help, and after a wrong use: the commands and the exit codes.
std::wstring CommandLineUsage(Language language);
// What was wrong with the arguments, on one line before the usage.
std::wstring WrongUseMessage(WrongUse why, const std::wstring& argument, Language language);

// The store has no theme of the name.
std::wstring NoSuchThemeMessage(const std::wstring& name, Language language);
// Several themes have the name; the first was taken.
std::wstring SameNameNote(const std::wstring& name, std::size_t themes, Language language);
// A file to add holds no section that sets a colour or the title.
std::wstring NoThemeToAddMessage(const std::wstring& path, Language language);

// A file that could not be read or written, with the reason (FailureReason's words).
std::wstring NotReadMessage(const std::wstring& file, const std::wstring& reason, Language language);
std::wstring NotWrittenMessage(const std::wstring& file, const std::wstring& reason, Language language);
// A file that is not written over, so that nothing in it is lost, and why.
std::wstring NotWrittenOverMessage(const std::wstring& file, const std::wstring& reason, Language language);
// /export's FILE is there already and /force was not given.
std::wstring ExportFileThereMessage(const std::wstring& path, Language language);
// The store changed between our read and our write.
std::wstring StoreChangedMeanwhileMessage(Language language);
// Programs run from our folder (the host among them): setting.ini was not written.
std::wstring HostRunningMessage(const std::vector<std::wstring>& programs, Language language);

// What a command did, on success.
std::wstring AppliedMessage(const std::wstring& name, Language language);
std::wstring ExportedMessage(const std::wstring& name, const std::wstring& path, Language language);
std::wstring AddedMessage(std::size_t themes, const std::wstring& path, Language language);

// huebrook.com without arguments could not start the window program beside it.
std::wstring WindowNotStartedMessage(const std::wstring& path, const std::wstring& reason, Language language);
