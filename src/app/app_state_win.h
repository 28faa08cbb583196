#pragma once
// What start-up decided for the whole run: the facts the stand reads, and the album's key and
// lock, which only the start-up and the HostWindow use.
#include "app/single_instance_win.h"
#include "stand/startup_facts_win.h"

namespace quillory {

struct App : StartupFacts {
    AlbumKey albumKey;
    AlbumLock albumLock;  // held from before the album is read to the end of the run
};

}  // namespace quillory
