#pragma once
// What the readers need from the window side: the busy cursors, the message box and the report of a
// failed system call. The program shows them (PreviewUi_win); tests and tools collect them.
#include "common/TextPlatform.h"
#include "tray/preview/ByteSource.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pvn {

enum class ArcCursor { Arrow = 0, Busy1 = 1, Busy2 = 2, Busy3 = 3 };

class IPreviewUi {
public:
    virtual ~IPreviewUi() = default;
    virtual void setCursor(ArcCursor cursor) = 0;
    // A message box with no owner.
    virtual void showMessage(const std::wstring& text) = 0;
    // "<call> Error Code =<code>".
    virtual void reportFailure(const char* call, std::uint32_t code) = 0;
};

// Keeps everything it is told, in order.
class CollectingPreviewUi final : public IPreviewUi {
public:
    void setCursor(ArcCursor cursor) override { cursors.push_back(cursor); }
    void showMessage(const std::wstring& text) override { messages.push_back(text); }
    void reportFailure(const char* call, std::uint32_t code) override {
        failures.push_back(std::string(call) + " Error Code =" + std::to_string(code));
    }

    std::vector<ArcCursor> cursors;
    std::vector<std::wstring> messages;
    std::vector<std::string> failures;
};

// Everything a reader is given.
struct PreviewEnv {
    const IFileSystem& files;
    const ITextPlatform& text;
    IPreviewUi& ui;
};

} // namespace pvn
