#pragma once

// What a decode did. The user interface turns it into the message the user
// sees in one place; decoders never talk to the user.
enum class DecodeResult
{
    Ok,
    CannotOpen,   // the file could not be opened or read
    NotAFile,     // a folder, a pipe or a device: refused without reading it
    Unrecognized, // no signature, no mark and no document ending
    BadSignature, // not the expected result file: "File error!"
    BadMark,      // a recorded trace without the mark 165: "File error!"
    Truncated,    // a recorded trace shorter than its header or its samples: "File error!"
    WrongLength,  // a document whose length does not match its count: "File error!"
    TooLarge,     // larger than any file of its kind: "File error!"
    WrongKind,    // a known file, but not of the kind the caller asked for: "File error!"
};

// The records a result file's header declares, and how many of them the file
// holds whole: a file cut short (an interrupted copy, a card pulled) loads
// only those. A power meter's record with a unit no instrument writes ends
// the list there; the user is told, so the records after it are not lost
// without a word.
struct ResultRecordCounts
{
    int declared = 0;
    int whole = 0;
    int endingUnknownUnit = 0; // that record's number, from 1; 0 for none

    bool CutShort() const { return whole < declared; }
    // Fewer records loaded than the header declares, for either reason.
    bool Incomplete() const { return CutShort() || endingUnknownUnit != 0; }
};

// True where the user is shown "File error!".
inline bool IsFileError(DecodeResult result)
{
    return result != DecodeResult::Ok && result != DecodeResult::CannotOpen &&
           result != DecodeResult::NotAFile && result != DecodeResult::Unrecognized;
}
