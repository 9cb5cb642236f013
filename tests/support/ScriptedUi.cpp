#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

ScriptedUi::~ScriptedUi() {
    EXPECT_TRUE(files.empty()) << "file answers left unused";
    EXPECT_TRUE(confirms.empty()) << "confirmation answers left unused";
    EXPECT_TRUE(conversions.empty()) << "conversion answers left unused";
}

std::vector<std::string> ScriptedUi::eventsOf(const std::string& kind) const {
    std::vector<std::string> out;
    const std::string prefix = kind + ":";
    for (const auto& e : events) {
        if (e.rfind(prefix, 0) == 0)
            out.push_back(e.substr(prefix.size()));
        else if (e == kind)
            out.push_back({});
    }
    return out;
}

void ScriptedUi::setStatus(const std::string& text) {
    status = text;
    events.push_back("status:" + text);
}

void ScriptedUi::showMessage(const std::string& text, const std::string& caption) {
    events.push_back("message:" + caption + ":" + text);
}

void ScriptedUi::showError(const std::string& text) {
    events.push_back("error:" + text);
}

bool ScriptedUi::confirm(const std::string& text) {
    events.push_back("confirm:" + text);
    if (confirms.empty()) {
        ADD_FAILURE() << "unexpected confirmation: " << text;
        return false;
    }
    bool answer = confirms.front();
    confirms.pop_front();
    return answer;
}

std::optional<std::string> ScriptedUi::chooseFile(FileDialog dialog) {
    static const char* names[] = {"Open1", "Open2", "Save1"};
    events.push_back(std::string("file:") + names[static_cast<int>(dialog)]);
    if (files.empty()) {
        ADD_FAILURE() << "unexpected file dialog " << names[static_cast<int>(dialog)];
        return std::nullopt;
    }
    auto answer = files.front();
    files.pop_front();
    return answer;
}

ConversionAnswer ScriptedUi::askConversion() {
    events.push_back("question");
    if (onQuestion)
        onQuestion();
    if (conversions.empty()) {
        ADD_FAILURE() << "unexpected conversion question";
        return ConversionAnswer::Cancel;
    }
    auto answer = conversions.front();
    conversions.pop_front();
    return answer;
}

void ScriptedUi::showReport(const std::vector<std::string>& lines) {
    events.push_back("report:" + std::to_string(lines.size()));
    reportShown = lines;
}

void ScriptedUi::openWithViewer(const std::string& path) {
    events.push_back("open:" + path);
}

void ScriptedUi::repaintGrid() {
    if (recordRepaints)
        events.push_back("repaint");
}
