#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "help/help_events.h"

namespace tarvik {

// Routes the application's help requests to the HTML Help viewer for as long as it
// lives, and puts the handler it found back when it goes.
class THookHelpSystem {
public:
    using ContextHandler = std::function<void(std::int32_t context)>;
    using PopupHandler = std::function<void(std::int32_t context, std::int32_t x, std::int32_t y)>;

    THookHelpSystem(std::string helpFile, std::string windowName, std::uint8_t mode);
    ~THookHelpSystem();
    THookHelpSystem(const THookHelpSystem&) = delete;
    THookHelpSystem& operator=(const THookHelpSystem&) = delete;

    bool HelpHook(std::uint16_t command, std::int32_t data, bool& passOn);

    void setContextHandler(ContextHandler handler) { contextHandler_ = std::move(handler); }
    void setPopupHandler(PopupHandler handler) { popupHandler_ = std::move(handler); }
    void setChain(bool chain) { chain_ = chain; }

    const std::string& helpFile() const { return helpFile_; }
    std::int32_t popupX() const { return popupX_; }
    std::int32_t popupY() const { return popupY_; }

private:
    void showTopic(std::int32_t context);

    HelpHandler previous_;
    std::string helpFile_;
    std::string windowName_;
    std::uint8_t mode_;
    std::int32_t popupX_ = 0;
    std::int32_t popupY_ = 0;
    ContextHandler contextHandler_;
    PopupHandler popupHandler_;
    bool chain_ = false;
};

// The rules button: context 1 for German, 2 for any other tongue.
int rulesContext(int tongue);
void rules(int tongue);

}  // namespace tarvik
