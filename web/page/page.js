// SPDX-License-Identifier: MIT
// The page around the game: scales the 640 x 480 canvas to the window with
// crisp pixels, keeps the keyboard on the canvas, offers full screen, says
// when the game waits for a hidden tab, asks for a key or a click when the
// browser refuses sound, says when the game has quit, and passes
// "?autopilot=virtual" or "?autopilot=watch" on to the program.
'use strict';

(function () {
  const canvas = document.getElementById('canvas');
  const stage = document.getElementById('stage');
  const status = document.getElementById('status');
  const ended = document.getElementById('ended');
  const endedText = document.getElementById('ended-text');
  const params = new URLSearchParams(window.location.search);
  const asked = params.get('autopilot');
  const autopilot = asked === 'watch' || asked === 'virtual' ? asked : null;
  const barHeight = 32;

  // Whole steps when the window has room for them, so every game pixel is
  // the same number of screen pixels; fractional ones only below 1x.
  function fit() {
    const full = document.fullscreenElement === stage;
    const room = Math.min(window.innerWidth / 640,
                          (window.innerHeight - (full ? 0 : barHeight)) / 480);
    const scale = room >= 1 ? Math.floor(room) : Math.max(room, 0.25);
    // Through the style sheet: the program sets and clears the canvas's
    // own style when it opens its display.
    document.documentElement.style.setProperty('--scale', String(scale));
  }
  window.addEventListener('resize', fit);
  document.addEventListener('fullscreenchange', fit);
  fit();

  // The game reads the keys the canvas receives, so the canvas keeps the
  // keyboard wherever the page is clicked, except on the page's own
  // buttons and fields. The browser's SDL cancels every key's own action;
  // Tab (to reach the page's buttons), the function keys and the browser's
  // shortcuts never reach it, and keep theirs.
  const interactive = 'button, input, select, textarea, a[href], [contenteditable]';
  document.addEventListener('mousedown', (event) => {
    if (!(event.target instanceof Element) || !event.target.closest(interactive)) {
      event.preventDefault();
      canvas.focus();
    }
  });
  window.addEventListener('focus', () => {
    if (!document.activeElement || document.activeElement === document.body) {
      canvas.focus();
    }
  });
  const pageKey = (event) => event.key === 'Tab' || /^F\d+$/.test(event.key) ||
                             event.ctrlKey || event.metaKey || event.altKey;
  for (const type of ['keydown', 'keyup']) {
    window.addEventListener(type, (event) => {
      if (pageKey(event)) {
        event.stopPropagation();
      }
    }, true);
  }
  window.addEventListener('load', () => canvas.focus());

  document.getElementById('fullscreen').addEventListener('click', () => {
    // The stage rather than the canvas, so that the game keeps whole-step
    // scaling and the quit message in full screen too.
    if (stage.requestFullscreen) {
      stage.requestFullscreen().then(() => canvas.focus(), () => canvas.focus());
    }
  });
  document.getElementById('again').addEventListener('click', () => {
    window.location.reload();
  });

  // The bar's own text, kept while a hidden tab's notice stands in for it.
  let barText = status.textContent;
  const pausedText = 'Paused while the tab is hidden';
  function say(text) {
    barText = text;
    if (status.textContent !== pausedText && status.textContent !== text) {
      status.textContent = text;
    }
  }
  // The game's clock stands still while the tab is hidden, and the game
  // waits for it.
  document.addEventListener('visibilitychange', () => {
    if (document.hidden && window.corvanelPage.state === 'running') {
      status.textContent = pausedText;
    } else {
      status.textContent = barText;
    }
  });

  // Browsers play sound only after a key press or a click on the page;
  // RETURN on the title screen is one, a gamepad button or the watched
  // autopilot is not. Until then the page asks for a key or a click; the
  // game asks for its music again every frame while none plays, so the
  // music comes with the gesture.
  const askForSound = 'Press a key or click for sound';
  function soundState(state) {
    if (state === 'refused') {
      say(askForSound);
    } else if (barText === askForSound) {
      say(readyText());
    }
  }

  // "?autopilot=virtual&frames=100,2000" also keeps the pictures of those
  // frames in the page, for tests to compare.
  function programArguments() {
    if (!autopilot) {
      return [];
    }
    const list = ['--autopilot', autopilot];
    for (const frame of (params.get('frames') || '').split(',').filter((f) => /^\d+$/.test(f))) {
      list.push('--keep-frame', frame);
    }
    return list;
  }

  function readyText() {
    return autopilot ? 'Autopilot: ' + autopilot : 'Corvanel';
  }

  window.corvanelPage = { state: 'loading', exitStatus: null };

  window.Module = {
    canvas: canvas,
    keyboardListeningElement: canvas,
    arguments: programArguments(),
    print: (text) => console.log(text),
    // The browser SDL's own notices begin with "WARNING:"; everything else
    // on standard error is the game's, and an error.
    printErr: (text) => (text.startsWith('WARNING:') ? console.warn(text) : console.error(text)),
    setStatus: (text) => say(text || readyText()),
    onSoundState: soundState,
    onRuntimeInitialized: () => {
      window.corvanelPage.state = 'running';
      canvas.focus();
    },
    onExit: (code) => {
      window.corvanelPage.state = 'ended';
      window.corvanelPage.exitStatus = code;
      endedText.textContent = code === 0
        ? 'The game has quit.'
        : 'The game stopped (status ' + code + '): see the console.';
      say('Ended');
      ended.hidden = false;
      document.getElementById('again').focus();
    },
  };
})();
