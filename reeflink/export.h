// Marks the library's named entry points; everything else stays hidden.
#ifndef KELPSET_REEFLINK_EXPORT_H
#define KELPSET_REEFLINK_EXPORT_H

#define RL_EXPORT extern "C" __attribute__((visibility("default")))

#endif
