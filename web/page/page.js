// SPDX-License-Identifier: MIT
// The page around the game: scales the 640 x 480 canvas to the window with
// crisp pixels, keeps the keyboard on the canvas, offers full screen, says
// when the game has quit, and passes "?autopilot=virtual" or
// "?autopilot=watch" on to the program.
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

  // The game reads the keys the canvas receives; the arrows and space must
  // not scroll the page while it has them.
  canvas.addEventListener('keydown', (event) => {
    if (event.key.startsWith('Arrow') || event.key === ' ') {
      event.preventDefault();
    }
  });
  canvas.addEventListener('mousedown', () => canvas.focus());
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

  // A run on virtual time goes many times faster than its sounds could:
  // it stays silent.
  if (autopilot === 'virtual') {
    HTMLMediaElement.prototype.play = function () {
      return Promise.resolve();
    };
  } else {
    // Browsers play sound only after a key press or a click on the page;
    // RETURN on the title screen is one, a gamepad button or the watched
    // autopilot is not. Until then a refused sound is only noted, and the
    // page asks for a key or a click; the game asks for its music again
    // every frame while none plays, so the music comes with the gesture.
    const play = HTMLMediaElement.prototype.play;
    const askForSound = 'Press a key or click for sound';
    HTMLMediaElement.prototype.play = function (...args) {
      const result = play.apply(this, args);
      if (result && result.then) {
        result.then(() => {
          if (status.textContent === askForSound) {
            status.textContent = readyText();
          }
        }, (error) => {
          if (error && error.name === 'NotAllowedError') {
            status.textContent = askForSound;
          } else {
            console.warn('sound: ' + error);
          }
        });
      }
      return result;
    };
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
    setStatus: (text) => {
      status.textContent = text || readyText();
    },
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
      status.textContent = 'Ended';
      ended.hidden = false;
      document.getElementById('again').focus();
    },
  };
})();
