#pragma once

#include "data/ByteSpan.h"
#include "data/CDataStore.h"
#include "data/Results.h"
#include "platform/files/WriteResult.h"

#include <string>

// The program's own documents: raw images of the store's lists, written by
// Save As. Each writer writes to `path` as given (the dialogs apply the
// extension rule first) through a temporary file, and on success records the
// path in the store's path member of its kind. Files are read back through
// LoadFile, which recognises a document by its ending and its length.
WriteResult WriteOpmDocument(const std::string& path, CDataStore& store);
WriteResult WriteOrlDocument(const std::string& path, CDataStore& store);
WriteResult WriteKavDocument(const std::string& path, CDataStore& store);
WriteResult WriteTraceDocument(const std::string& path, CDataStore& store);

// The bytes of each document, for callers that write several files at once.
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
// not fit its kind with WrongLength, changing nothing. The KAV reader sets
// m_KavWaveMode from the document, empties the other loss-test list and
// rebuilds the cable groups from the records.
DecodeResult ReadOpmDocumentBytes(ByteSpan bytes, CDataStore& store);
DecodeResult ReadOrlDocumentBytes(ByteSpan bytes, CDataStore& store);
DecodeResult ReadKavDocumentBytes(ByteSpan bytes, CDataStore& store);
DecodeResult ReadTraceDocumentBytes(ByteSpan bytes, CDataStore& store);
