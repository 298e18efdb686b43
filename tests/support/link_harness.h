#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "controller/grbl_link.h"
#include "support/fake_grbl.h"

namespace zrv::test {

inline constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// What the controller must receive: every line to send, in the file's order.
inline std::vector<std::string> linesToSend(const StreamProgram& program) {
    std::vector<std::string> sends;
    for (const StreamLine& line : program.lines) {
        if (line.kind != LineKind::Nothing && line.kind != LineKind::Realtime) {
            sends.emplace_back(line.send);
        }
    }
    return sends;
}

// The fake's options with `set` applied to the defaults.
template <class Set>
FakeGrbl::Options fakeWith(Set set) {
    FakeGrbl::Options options;
    set(options);
    return options;
}

// The link and a fake controller wired together in simulated time: each step the controller
// runs, its bytes reach the link, the link ticks and its bytes reach the controller at once.
struct LinkRun {
    explicit LinkRun(FakeGrbl::Options options) : fake(std::move(options)), link(LinkTime{0}) {}

    FakeGrbl fake;
    GrblLink link;
    LinkTime now{0};
    std::vector<LinkEvent> events;
    std::vector<std::size_t> linesAtEvent;  // program lines sent when each event came
    std::vector<Outgoing> sent;
    std::size_t linesSent = 0;
    bool portGone = false;

    void deliver() {
        for (Outgoing& out : link.takeOutgoing()) {
            if (portGone) {
                continue;
            }
            if (out.kind == Outgoing::Kind::Line) {
                ++linesSent;
                fake.receive(out.line, now);
            } else {
                fake.receive(std::string(1, static_cast<char>(out.byte)), now);
            }
            sent.push_back(std::move(out));
        }
        for (LinkEvent& event : link.takeEvents()) {
            events.push_back(std::move(event));
            linesAtEvent.push_back(linesSent);
        }
    }

    void step(LinkTime dt = LinkTime{5}) {
        now += dt;
        fake.advance(now);
        if (!portGone) {
            link.received(fake.takeOutput(), now);
        }
        link.tick(now);
        deliver();
    }

    void steps(int count) {
        for (int k = 0; k < count; ++k) {
            step();
        }
    }

    // Steps until an event of `kind` came at index `from` or later (its index) or `limit` of
    // simulated time passed.
    std::size_t runUntil(LinkEventKind kind, LinkTime limit = std::chrono::minutes(10),
                         std::size_t from = 0) {
        const LinkTime end = now + limit;
        std::size_t seen = from;
        while (now < end) {
            for (; seen < events.size(); ++seen) {
                if (events[seen].kind == kind) {
                    return seen;
                }
            }
            step();
        }
        return kNone;
    }

    // The first event of `kind` from `from` on, or nullptr.
    const LinkEvent* find(LinkEventKind kind, std::size_t from = 0) const {
        for (std::size_t k = from; k < events.size(); ++k) {
            if (events[k].kind == kind) {
                return &events[k];
            }
        }
        return nullptr;
    }
};

}  // namespace zrv::test
