// SPDX-License-Identifier: MIT
// The game's clock in a browser tab (BrowserClock.cpp). It counts whole
// milliseconds from performance.now(), never goes back, and stands still
// while the page is hidden, as a desktop's clock does while the machine
// sleeps: the game waits, and comes back to the frame it left.
//
// A wait ends at its deadline rather than a timer's lateness after it: it
// sleeps on a timer until shortly before, and spends the rest in a loop
// that does not yield. Yielding there would let the browser start painting
// the last frame, which holds the tab for 1 to 5 ms on a software-drawn
// page, often across the deadline; every late wake-up moves the next
// deadline, so a few late ones a second cost the game its designed speed.
// How short of the deadline the timer is set follows how late timers have
// been lately: a busy machine spins a little longer, a quiet one less.
'use strict';

Module['corvanelClock'] = (function () {
  const MinMarginMs = 2;
  const MaxMarginMs = 6;
  // How fast the margin comes back down after a late timer: 1 ms in about
  // 20 frames.
  const MarginEaseMs = 0.05;
  let marginMs = MinMarginMs;
  const start = performance.now();
  let heldMs = 0;
  let hiddenSince = document.hidden ? start : null;
  let lastTicks = 0;
  let onShow = [];

  function sleep(ms) {
    const due = performance.now() + ms;
    return new Promise((resolve) => setTimeout(resolve, ms)).then(() => {
      const lateMs = performance.now() - due;
      marginMs = lateMs + 1 > marginMs ? Math.min(MaxMarginMs, lateMs + 1)
                                       : Math.max(MinMarginMs, marginMs - MarginEaseMs);
    });
  }

  function precise() {
    const now = hiddenSince !== null ? hiddenSince : performance.now();
    return now - start - heldMs;
  }

  document.addEventListener('visibilitychange', () => {
    const now = performance.now();
    if (document.hidden) {
      if (hiddenSince === null) {
        hiddenSince = now;
      }
    } else if (hiddenSince !== null) {
      heldMs += now - hiddenSince;
      hiddenSince = null;
      const waiting = onShow;
      onShow = [];
      waiting.forEach((resume) => resume());
    }
  });

  return {
    // Milliseconds of unhidden time since the page started, fractional.
    precise: precise,
    ticks() {
      const ticks = Math.floor(precise());
      if (ticks > lastTicks) {
        lastTicks = ticks;
      }
      return lastTicks;
    },
    held() {
      return hiddenSince !== null;
    },
    // Resolves once the clock reads `deadline` or more.
    async until(deadline) {
      for (;;) {
        if (hiddenSince !== null) {
          await new Promise((resolve) => onShow.push(resolve));
          continue;
        }
        const left = deadline - precise();
        if (left <= 0) {
          return;
        }
        if (left > marginMs) {
          await sleep(left - marginMs);
        } else {
          // Without a call per turn, which would leave garbage behind.
          const end = start + heldMs + deadline;
          while (performance.now() < end) {
            // spins
          }
          return;
        }
      }
    },
  };
})();
