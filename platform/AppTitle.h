#pragma once

// The application title: the caption of the program's message boxes.
inline constexpr const char* ApplicationTitle = "KAV";
// The main window's caption and the document's title.
inline constexpr const char* MainCaption = "KAV Application System";
