#pragma once

#include <stdexcept>
#include <string>

// The one exception type of the manager's commands. The code that runs a
// command catches it, shows it through Ui and closes whatever session is open.
class AppError : public std::runtime_error {
public:
    enum class Kind {
        StandardError, // the framework's standard error box: a file or number error
        Message,       // a message box with a caption, e.g. "ERROR"
    };

    static AppError standard(const std::string& text) { return {Kind::StandardError, text, {}}; }
    static AppError message(const std::string& text, const std::string& caption) {
        return {Kind::Message, text, caption};
    }
    static AppError cannotOpenFile(const std::string& path) {
        return standard("Cannot open file " + path);
    }
    static AppError cannotCreateFile(const std::string& path) {
        return standard("Cannot create file " + path);
    }

    Kind kind() const { return kind_; }
    const std::string& caption() const { return caption_; }

private:
    AppError(Kind kind, const std::string& text, std::string caption)
        : std::runtime_error(text), kind_(kind), caption_(std::move(caption)) {}

    Kind kind_;
    std::string caption_;
};
