#include "cli/ConsoleUi.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <cctype>
#include <istream>
#include <ostream>

ConsoleUi::ConsoleUi(ConsoleAnswers answers, const FirmwareChoice& firmware, std::ostream& err,
                     std::istream& in)
    : answers_(std::move(answers)), firmware_(firmware), err_(err), in_(in) {}

void ConsoleUi::setStatus(const std::string& text) {
    if (answers_.verbose)
        err_ << text << std::endl;
}

void ConsoleUi::showMessage(const std::string& text, const std::string& caption) {
    if (caption == "ERROR")
        failed_ = true;
    if (caption.empty())
        err_ << text << std::endl;
    else
        err_ << caption << ": " << text << std::endl;
}

void ConsoleUi::showError(const std::string& text) {
    failed_ = true;
    err_ << "ERROR: " << text << std::endl;
}

bool ConsoleUi::confirm(const std::string& text) {
    if (answers_.confirmed)
        return true;
    if (!answers_.interactive) {
        err_ << text << " Not confirmed: add --yes to answer OK. Cancelled." << std::endl;
        failed_ = true;
        return false;
    }
    const auto answer = askLetter(text + " [o]k/[c]ancel: ", "oyc");
    if (answer == 'o' || answer == 'y')
        return true;
    failed_ = true;
    return false;
}

std::optional<std::string> ConsoleUi::chooseFile(FileDialog dialog) {
    const auto it = answers_.files.find(dialog);
    if (it != answers_.files.end())
        return it->second;
    // A dialog the command line has no FILE for counts as cancelled.
    failed_ = true;
    return std::nullopt;
}

ConversionAnswer ConsoleUi::askConversion() {
    if (answers_.conversion) {
        if (*answers_.conversion == ConversionAnswer::Cancel)
            failed_ = true;
        return *answers_.conversion;
    }
    if (!answers_.interactive) {
        err_ << "The file is a UFIF 2.0 program: add --convert to convert it to UFIF 2.1 for \""
             << firmware_.text << "\" or --no-convert to upload it unchanged. Cancelled."
             << std::endl;
        failed_ = true;
        return ConversionAnswer::Cancel;
    }
    const auto answer = askLetter("The file is a UFIF 2.0 program. Convert it to UFIF 2.1 for \"" +
                                      firmware_.text + "\"? [y]es/[n]o/[c]ancel: ",
                                  "ync");
    if (answer == 'y')
        return ConversionAnswer::Yes;
    if (answer == 'n')
        return ConversionAnswer::No;
    failed_ = true;
    return ConversionAnswer::Cancel;
}

std::optional<char> ConsoleUi::askLetter(const std::string& prompt, const std::string& letters) {
    for (;;) {
        err_ << prompt << std::flush;
        std::string line;
        if (!std::getline(in_, line))
            return std::nullopt;
        if (line.empty())
            continue;
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
        if (letters.find(c) != std::string::npos)
            return c;
    }
}

void ConsoleUi::showReport(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        err_ << line << std::endl;
}

void ConsoleUi::openWithViewer(const std::string& path) {
    if (!answers_.openViewer)
        return;
    // The desktop's viewer runs on its own; its chatter (no display, no
    // handler for the type) must not mix with the command's output.
    QProcess viewer;
    viewer.setProgram(QStringLiteral("xdg-open"));
    viewer.setArguments({QFileInfo(QString::fromStdString(path)).absoluteFilePath()});
    viewer.setStandardOutputFile(QProcess::nullDevice());
    viewer.setStandardErrorFile(QProcess::nullDevice());
    viewer.startDetached();
}

void ConsoleUi::repaintGrid() {}
