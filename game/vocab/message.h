// The message formatter: the way game text reaches the console.
#pragma once

constexpr int MESSAGE_BUFFER_SIZE = 16384;

// Placeholders: %d %s %nn %nl %nw %v and the pause %w.
void message(const char *format, ...);
void resume_message();
// Drops the text queued behind a pause, when its Return-wait is abandoned.
void discard_pending_message();
