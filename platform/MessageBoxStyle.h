#pragma once

// Message-box styles and answers by their Windows codes, shared by the game core (which asks)
// and the Qt message box (which shows). A style adds up a button set (low four bits), an icon
// (the next four) and which button is the default one (the four above those).
namespace tessora::mb {

enum Style : int {
    // Button sets, left to right.
    kOk = 0x0,
    kOkCancel = 0x1,
    kAbortRetryIgnore = 0x2,
    kYesNoCancel = 0x3,
    kYesNo = 0x4,
    kRetryCancel = 0x5,
    kButtonBits = 0xF,
    // Icons.
    kIconStop = 1 << 4,
    kIconQuestion = 2 << 4,
    kIconExclamation = 3 << 4,
    kIconInformation = 4 << 4,
    kIconBits = 0xF << 4,
    // The second (1 << 8) or third (2 << 8) button as the default one.
    kDefaultButtonBits = 0xF << 8,

    // The styles the game shows: results and complaints, questions, the start-up error.
    kOkExclamation = kOk | kIconExclamation,
    kYesNoQuestion = kYesNo | kIconQuestion,
    kOkCritical = kOk | kIconStop,
};
static_assert(kOkExclamation == 0x30 && kYesNoQuestion == 0x24 && kOkCritical == 0x10);

// The answer is the button pressed, numbered from 0 as Windows numbers them; kNoAnswer when the
// box was closed without one.
enum Answer : int {
    kNoAnswer,
    kAnswerOk,
    kAnswerCancel,
    kAnswerAbort,
    kAnswerRetry,
    kAnswerIgnore,
    kAnswerYes,
    kAnswerNo,
};
static_assert(kAnswerOk == 1 && kAnswerYes == 6 && kAnswerNo == 7);

}  // namespace tessora::mb
