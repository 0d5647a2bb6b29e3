// The operations and records of every bullet group, as the stage scripts,
// the enemies and the kinds' code use them: declared from the rows of
// group_table.h, each by the operations and the record type of its kind
// (game/catalogue/kinds.inc). A group's row names its operations; the kind's
// code defines them.
#pragma once
#include <cstdint>
#include <string_view>

#include "game/bullets/group_table.h"
#include "game/bullets/records.h"

// The operations of a row, by the kind's Ops.
#define GROUP_OPS_Spawned(Name, Owner, Kind, N, S, M, D, ...) \
    void S(int32_t);                                          \
    void M(int32_t);                                          \
    void D(int32_t);
#define GROUP_OPS_Emitted(Name, Owner, Kind, N, S, E, M, D, ...) \
    GROUP_OPS_Spawned(Name, Owner, Kind, N, S, M, D)             \
    void E(int32_t);
#define GROUP_OPS_Scheduled(Name, Owner, Kind, N, S, E, M, D, ...) \
    GROUP_OPS_Emitted(Name, Owner, Kind, N, S, E, M, D)            \
    void S(uint32_t i, uint32_t first);
#define GROUP_OPS_TwoArgs(Name, Owner, Kind, N, S, M, D, ...) \
    void S(int32_t, int32_t);                                 \
    void M(int32_t, int32_t);                                 \
    void D(int32_t, int32_t);
#define GROUP_OPS_Stream(Name, Owner, Kind, N, S, E, M, D, ...) \
    void S(uint32_t i);                                         \
    void E();                                                   \
    void M(int32_t);                                            \
    void D(int32_t);
#define GROUP_OPS_Beam(Name, Owner, Kind, N, S, D, ...) \
    void S();                                           \
    void D();

// The records of a row, by the kind's Record: an array NameShots, or the
// one record NameShot of a beam.
#define GROUP_RECORDS_AngledShot(Name, ...) extern AngledShot Name##Shots[];
#define GROUP_RECORDS_DropShot(Name, ...) extern DropShot Name##Shots[];
#define GROUP_RECORDS_StreamShot(Name, ...) extern StreamShot Name##Shots[];
#define GROUP_RECORDS_BeamShot(Name, ...) extern BeamShot Name##Shot;

#define BULLET_KIND(Kind, Table, Ops, Record) Table(GROUP_OPS_##Ops) Table(GROUP_RECORDS_##Record)
#include "game/catalogue/kinds.inc"

// Stops the build when a row's name is not its owner, kind and number spelt
// together; each kind's code checks its rows with it.
#define GROUP_NAME_CHECK(Name, Owner, Kind, N)                                  \
    static_assert(std::string_view(#Name) == std::string_view(#Owner #Kind #N), \
                  #Name " is not its owner, kind and number spelt together");
