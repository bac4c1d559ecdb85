// SPDX-License-Identifier: MIT
// The game's sound in a browser tab (BrowserMixer.cpp). Each effect is
// decoded once into an AudioBuffer and each play is a source node on it;
// as in SDL_mixer, a channel plays one effect, and a new one there cuts the
// one playing. Each music track is one audio element, made once and played
// again from its start. Browsers allow sound only after a key press or a
// click on the page: until then nothing is started, and the page is told,
// so that it can ask for one. While the page is hidden, sound holds too.
'use strict';

// The packed sounds are read here, not decoded into audio elements.
Module['noAudioDecoding'] = true;

Module['corvanelMixer'] = (function () {
  let context = null;
  let silent = false;
  const sounds = [];
  const soundNames = new Map();
  const channels = [];
  const tracks = [];
  const trackNames = new Map();
  let music = null;  // { track, fadeStart, fadeMs, fading } while the game's music plays
  // How often a fading track's volume is lowered.
  const FadeStepMs = 20;

  function tell(state) {
    if (Module['onSoundState']) {
      Module['onSoundState'](state);
    }
  }

  function allowed() {
    return !navigator.userActivation || navigator.userActivation.hasBeenActive;
  }

  // The audio context, once the browser allows sound.
  function ready() {
    if (silent) {
      return false;
    }
    if (!allowed()) {
      tell('refused');
      return false;
    }
    if (!context) {
      context = new AudioContext();
      tell('playing');
    }
    if (context.state === 'suspended' && !document.hidden) {
      context.resume();
    }
    return true;
  }

  // The first key or click makes the context, within the gesture.
  for (const type of ['keydown', 'mousedown', 'pointerdown', 'touchstart']) {
    window.addEventListener(type, () => {
      if (!silent && !context && allowed()) {
        ready();
      }
    }, true);
  }

  document.addEventListener('visibilitychange', () => {
    if (context) {
      if (document.hidden) {
        context.suspend();
      } else {
        context.resume();
      }
    }
    if (music) {
      if (document.hidden) {
        music.track.pause();
      } else {
        music.track.play().catch(() => {});
      }
    }
  });

  function stopMusic() {
    if (music) {
      clearInterval(music.fading);
      music.track.pause();
      music.track.currentTime = 0;
      music = null;
    }
  }

  // The track has stopped by itself.
  function forget(track) {
    if (music && music.track === track) {
      clearInterval(music.fading);
      music = null;
    }
  }

  return {
    // Nothing is heard, for runs faster than real time.
    silence() {
      silent = true;
    },

    // The number of the effect of that name, or -1 before it is made.
    known(name) {
      return soundNames.has(name) ? soundNames.get(name) : -1;
    },

    // An effect from PCM samples, once per name; its number.
    sound(name, samples, bytes, channelCount, rate, bits) {
      if (soundNames.has(name)) {
        return soundNames.get(name);
      }
      const frames = Math.floor(bytes / (channelCount * bits / 8));
      const buffer = new AudioBuffer({ numberOfChannels: channelCount, length: frames,
                                       sampleRate: rate });
      for (let c = 0; c < channelCount; ++c) {
        const out = buffer.getChannelData(c);
        if (bits === 16) {
          const pcm = new Int16Array(HEAPU8.buffer, samples, frames * channelCount);
          for (let i = 0; i < frames; ++i) {
            out[i] = pcm[i * channelCount + c] / 32768;
          }
        } else {
          for (let i = 0; i < frames; ++i) {
            out[i] = (HEAPU8[samples + i * channelCount + c] - 128) / 128;
          }
        }
      }
      sounds.push(buffer);
      soundNames.set(name, sounds.length - 1);
      return sounds.length - 1;
    },

    // Plays the effect on the channel, or on the first free one for -1;
    // the channel.
    play(channel, sound) {
      if (channel < 0) {
        channel = 0;
        while (channels[channel]) {
          ++channel;
        }
      }
      const current = channels[channel];
      if (current) {
        channels[channel] = null;
        current.stop();
      }
      if (!ready()) {
        return channel;
      }
      const source = new AudioBufferSourceNode(context, { buffer: sounds[sound] });
      source.connect(context.destination);
      source.onended = () => {
        if (channels[channel] === source) {
          channels[channel] = null;
        }
      };
      channels[channel] = source;
      source.start();
      return channel;
    },

    halt(channel) {
      const current = channels[channel];
      if (current) {
        channels[channel] = null;
        current.stop();
      }
    },

    playing(channel) {
      return channels[channel] ? 1 : 0;
    },

    // A music track, one element per file for the whole page; its number.
    track(path) {
      if (trackNames.has(path)) {
        return trackNames.get(path);
      }
      const bytes = FS.readFile(path);
      const track = new Audio(URL.createObjectURL(new Blob([bytes], { type: 'audio/ogg' })));
      track.preload = 'auto';
      track.addEventListener('ended', () => forget(track));
      tracks.push(track);
      trackNames.set(path, tracks.length - 1);
      return tracks.length - 1;
    },

    playMusic(number) {
      stopMusic();
      if (!ready()) {
        return;
      }
      const track = tracks[number];
      track.volume = 1;
      music = { track: track, fadeStart: 0, fadeMs: 0, fading: 0 };
      track.play().catch((error) => {
        // A pause while hidden interrupts a start; showing starts it again.
        if (error && error.name === 'NotAllowedError') {
          forget(track);
          tell('refused');
        } else if (!error || error.name !== 'AbortError') {
          console.warn('music: ' + error);
        }
      });
    },

    // Lowers the music to silence over ms of the game's clock, then stops
    // it; a hidden page holds the fade with the clock.
    fadeOutMusic(ms) {
      if (!music || music.fadeMs) {
        return;
      }
      const fading = music;
      fading.fadeStart = Module.corvanelClock.precise();
      fading.fadeMs = Math.max(ms, 1);
      fading.fading = setInterval(() => {
        const gone = (Module.corvanelClock.precise() - fading.fadeStart) / fading.fadeMs;
        if (gone >= 1) {
          stopMusic();
        } else {
          fading.track.volume = 1 - gone;
        }
      }, FadeStepMs);
    },

    // Whether music plays, a fading track included.
    playingMusic() {
      return music ? 1 : 0;
    },

    haltMusic() {
      stopMusic();
    },
  };
})();
