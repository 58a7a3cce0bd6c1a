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
    kButtonBits = 0x0F,
    // Icons.
    kIconStop = 0x10,
    kIconQuestion = 0x20,
    kIconExclamation = 0x30,
    kIconInformation = 0x40,
    kIconBits = 0xF0,
    // The second (0x100) or third (0x200) button as the default one.
    kDefaultButtonBits = 0xF00,

    // The styles the game shows: results and complaints, questions, the start-up error.
    kOkExclamation = kOk | kIconExclamation,
    kYesNoQuestion = kYesNo | kIconQuestion,
    kOkCritical = kOk | kIconStop,
};

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
