#pragma once

#include "data/CDataStore.h"

// Runs everything that reads a store after a decode (the CSV exports, the
// loss-test texts, the documents) and aborts when a document does not read
// back to the same bytes, so the fuzzer reports it like a crash.
void CheckStore(const CDataStore& store);
