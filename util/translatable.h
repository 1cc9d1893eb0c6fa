// Marks a fixed message of the libraries below the window as one the window
// shows in the user's language: the translation tools collect it in the
// "Message" context, and the window translates it where it shows it. The text
// itself stays the Japanese original, so the libraries need no Qt.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
