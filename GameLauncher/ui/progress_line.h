// The progress line on screen: the current profile's progress in
// progressLabel.
#pragma once

// Reads or creates the current profile's file, computes the progress and
// formats the progress line.
void loadProfile();

// Formats progressText from the ProgressSummary in the language in force and
// shows it in progressLabel.
void formatProgressText();
