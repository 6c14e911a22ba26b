#pragma once

#include <cstddef>
#include <cstdint>

// The record types are the byte images that the document files hold, so their
// layouts are binding: every offset below is checked at compile time.
// Text fields are single-byte, zero-padded; a new record is all zero bytes.

struct OpmRecord
{
    uint32_t Reserved0;
    char Cable[20];
    char Fiber[20];
    char WaveLength[20];
    char Reference[20];
    char Power[20];
    char Date[20];
    char Time[20];
    uint8_t Reserved1[100];
};

struct OrlRecord
{
    char Cable[16];
    char Fiber[16];
    char WaveLength[8];
    char OrlValue[10];
    char Date[18];
    char Time[18];
};

struct KavRecord3
{
    char Cable[20];
    char Fiber[20];
    int32_t WaveLength[3];
    float LossAB[3];
    float LossBA[3];
    float RefAB[3];
    float RefBA[3];
    float Threshold[3];
    float Length[3];
    float OrlAB[3];
    float OrlBA[3];
    char Date[11];
    char Time[9];
};

struct KavRecord2
{
    char Cable[16];
    char Fiber[16];
    int32_t WaveLength[2];
    float LossAB[2];
    float LossBA[2];
    float RefAB[2];
    float RefBA[2];
    float Threshold[2];
    float Length[2];
    float OrlAB[2];
    float OrlBA[2];
    char Date[11];
    char Time[9];
};

static_assert(sizeof(float) == 4, "records hold IEEE single floats");

static_assert(sizeof(OpmRecord) == 244);
static_assert(offsetof(OpmRecord, Cable) == 4 && offsetof(OpmRecord, Fiber) == 24);
static_assert(offsetof(OpmRecord, WaveLength) == 44 && offsetof(OpmRecord, Reference) == 64);
static_assert(offsetof(OpmRecord, Power) == 84 && offsetof(OpmRecord, Date) == 104);
static_assert(offsetof(OpmRecord, Time) == 124 && offsetof(OpmRecord, Reserved1) == 144);

static_assert(sizeof(OrlRecord) == 86);
static_assert(offsetof(OrlRecord, Fiber) == 16 && offsetof(OrlRecord, WaveLength) == 32);
static_assert(offsetof(OrlRecord, OrlValue) == 40 && offsetof(OrlRecord, Date) == 50);
static_assert(offsetof(OrlRecord, Time) == 68);

static_assert(sizeof(KavRecord3) == 168);
static_assert(offsetof(KavRecord3, Fiber) == 20 && offsetof(KavRecord3, WaveLength) == 40);
static_assert(offsetof(KavRecord3, LossAB) == 52 && offsetof(KavRecord3, LossBA) == 64);
static_assert(offsetof(KavRecord3, RefAB) == 76 && offsetof(KavRecord3, RefBA) == 88);
static_assert(offsetof(KavRecord3, Threshold) == 100 && offsetof(KavRecord3, Length) == 112);
static_assert(offsetof(KavRecord3, OrlAB) == 124 && offsetof(KavRecord3, OrlBA) == 136);
static_assert(offsetof(KavRecord3, Date) == 148 && offsetof(KavRecord3, Time) == 159);

static_assert(sizeof(KavRecord2) == 124);
static_assert(offsetof(KavRecord2, Fiber) == 16 && offsetof(KavRecord2, WaveLength) == 32);
static_assert(offsetof(KavRecord2, LossAB) == 40 && offsetof(KavRecord2, LossBA) == 48);
static_assert(offsetof(KavRecord2, RefAB) == 56 && offsetof(KavRecord2, RefBA) == 64);
static_assert(offsetof(KavRecord2, Threshold) == 72 && offsetof(KavRecord2, Length) == 80);
static_assert(offsetof(KavRecord2, OrlAB) == 88 && offsetof(KavRecord2, OrlBA) == 96);
static_assert(offsetof(KavRecord2, Date) == 104 && offsetof(KavRecord2, Time) == 115);
