#pragma once

#include "data/ByteSpan.h"
#include "data/CDataStore.h"
#include "data/Results.h"

#include <string>

// The program's own documents: raw images of the store's lists, written by
// Save As through the safe write (the dialogs apply the extension rule
// first). Files are read back through LoadFile, which recognises a document
// by its ending and its length.
std::string OpmDocumentBytes(const CDataStore& store);
std::string OrlDocumentBytes(const CDataStore& store);
std::string KavDocumentBytes(const CDataStore& store);
std::string TraceDocumentBytes(const CDataStore& store);
// A trace document of these values (the reference level first, then the
// samples), such as the live trace exports.
std::string TraceDocumentBytesOf(const std::vector<float>& values);

// Whether the bytes are exactly as long as a document of that kind with the
// count they hold (for KAV, also with their mode word). Documents carry no
// signature: their length is all that tells them from other files.
bool FitsOpmDocument(ByteSpan bytes);
bool FitsOrlDocument(ByteSpan bytes);
bool FitsKavDocument(ByteSpan bytes);
bool FitsTraceDocument(ByteSpan bytes);

// Each reader is the exact inverse of its writer and refuses bytes that do
// not fit its kind with WrongLength, changing nothing. The KAV reader takes
// the loss-test form from the document's mode word.
DecodeResult ReadOpmDocumentBytes(ByteSpan bytes, CDataStore& store);
DecodeResult ReadOrlDocumentBytes(ByteSpan bytes, CDataStore& store);
DecodeResult ReadKavDocumentBytes(ByteSpan bytes, CDataStore& store);
DecodeResult ReadTraceDocumentBytes(ByteSpan bytes, CDataStore& store);
