// The message port of the benchmarks: every message is answered OK without being shown.
#pragma once

#include "app/messageport.h"

namespace tabrin::benchmarks {

class SilentPort : public app::MessagePort {
public:
    app::MessageAnswer ask(const app::Message&) override { return app::MessageAnswer::Ok; }
};

}  // namespace tabrin::benchmarks
