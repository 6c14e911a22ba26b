#pragma once

#include "ByteSpan.h"
#include "CDataStore.h"
#include "Results.h"

#include <string>

// The program's own documents: raw images of the store's lists, written by
// Save As. Each writer writes to `path` as given (the dialogs apply the
// extension rule first) through a temporary file, and on success records the
// path in the store's path member of its kind. Each reader is the exact
// inverse and refuses a document of the wrong length, changing nothing.
WriteResult WriteOpmDocument(const std::string& path, CDataStore& store);
WriteResult WriteOrlDocument(const std::string& path, CDataStore& store);
WriteResult WriteKavDocument(const std::string& path, CDataStore& store);
WriteResult WriteTraceDocument(const std::string& path, CDataStore& store);

DecodeResult ReadOpmDocument(const std::string& path, CDataStore& store);
DecodeResult ReadOrlDocument(const std::string& path, CDataStore& store);
// Sets m_KavWaveMode from the document, empties the other loss-test list and
// rebuilds the cable groups from the records.
DecodeResult ReadKavDocument(const std::string& path, CDataStore& store);
DecodeResult ReadTraceDocument(const std::string& path, CDataStore& store);

// The bytes of each document, for callers that write several files at once.
std::string OpmDocumentBytes(const CDataStore& store);
std::string OrlDocumentBytes(const CDataStore& store);
std::string KavDocumentBytes(const CDataStore& store);
std::string TraceDocumentBytes(const CDataStore& store);

// The readers on a document's bytes already in memory.
DecodeResult ReadOpmDocumentBytes(ByteSpan bytes, CDataStore& store);
DecodeResult ReadOrlDocumentBytes(ByteSpan bytes, CDataStore& store);
DecodeResult ReadKavDocumentBytes(ByteSpan bytes, CDataStore& store);
DecodeResult ReadTraceDocumentBytes(ByteSpan bytes, CDataStore& store);
