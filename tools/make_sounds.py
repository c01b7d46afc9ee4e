#!/usr/bin/env python3
"""Synthesises the game's sound effects and music tracks.

Everything is made from code here (oscillators, filtered noise and envelopes), so the
output is reproducible: the same script gives the same files. Files named .wav are written
directly; files named .ogg are written as WAV and encoded with oggenc (Debian package
vorbis-tools), which is needed only to run this tool, never by the game.

Usage: tools/make_sounds.py [output folder, default data/sounds] [file names...]
With file names, only those sounds are written (the others keep their bytes whatever the
local encoder's version).
"""

import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

RATE = 22050
TAU = 2.0 * math.pi


# ---- building blocks -------------------------------------------------------------------

def silence(seconds):
    return [0.0] * int(seconds * RATE)


def tone(freq, seconds, wave_form="sine", amp=1.0, vibrato=0.0, vib_rate=5.0, glide_to=None):
    n = int(seconds * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = freq if glide_to is None else freq + (glide_to - freq) * (i / max(1, n - 1))
        f *= 1.0 + vibrato * math.sin(TAU * vib_rate * t)
        phase += f / RATE
        p = phase % 1.0
        if wave_form == "sine":
            v = math.sin(TAU * p)
        elif wave_form == "square":
            v = 1.0 if p < 0.5 else -1.0
        elif wave_form == "saw":
            v = 2.0 * p - 1.0
        else:  # triangle
            v = 4.0 * abs(p - 0.5) - 1.0
        out.append(v * amp)
    return out


def noise(seconds, rng, amp=1.0):
    return [rng.uniform(-1.0, 1.0) * amp for _ in range(int(seconds * RATE))]


def lowpass(samples, cutoff):
    """One-pole low-pass filter."""
    a = 1.0 - math.exp(-TAU * cutoff / RATE)
    out = []
    y = 0.0
    for s in samples:
        y += a * (s - y)
        out.append(y)
    return out


def highpass(samples, cutoff):
    low = lowpass(samples, cutoff)
    return [s - l for s, l in zip(samples, low)]


def envelope(samples, attack, release, sustain=1.0):
    n = len(samples)
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    out = []
    for i, s in enumerate(samples):
        g = sustain
        if i < a:
            g *= i / a
        if i > n - r:
            g *= max(0.0, (n - i) / r)
        out.append(s * g)
    return out


def decay(samples, time_constant):
    return [s * math.exp(-(i / RATE) / time_constant) for i, s in enumerate(samples)]


def mix(*tracks):
    n = max(len(t) for t in tracks)
    out = [0.0] * n
    for t in tracks:
        for i, s in enumerate(t):
            out[i] += s
    return out


def place(target, samples, at_seconds, gain=1.0):
    start = int(at_seconds * RATE)
    if start + len(samples) > len(target):
        target.extend([0.0] * (start + len(samples) - len(target)))
    for i, s in enumerate(samples):
        target[start + i] += s * gain


def concat(*parts):
    out = []
    for p in parts:
        out.extend(p)
    return out


def normalise(samples, peak=0.85):
    top = max((abs(s) for s in samples), default=0.0)
    if top == 0.0:
        return samples
    return [s * peak / top for s in samples]


def midi(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


# ---- output ----------------------------------------------------------------------------

def write_wav(path, samples):
    frames = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32767)) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def write_sound(path, samples):
    samples = normalise(samples)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if path.endswith(".wav"):
        write_wav(path, samples)
        return
    encoder = shutil.which("oggenc")
    if not encoder:
        sys.exit("oggenc not found: install the Debian package vorbis-tools")
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "in.wav")
        write_wav(wav, samples)
        # A fixed serial number keeps the output the same from run to run.
        subprocess.run([encoder, "--quiet", "-q", "2", "--serial", "1", "-o", path, wav],
                       check=True)


# ---- effects ---------------------------------------------------------------------------

def make_click(rng):
    body = decay(tone(2200, 0.03, "sine"), 0.006)
    tick = decay(noise(0.03, rng, 0.6), 0.003)
    return mix(body, highpass(tick, 1500))


def make_error(rng):
    # Two short low buzzes: "not there", without being harsh.
    buzz = lambda: envelope(lowpass(tone(150, 0.09, "square", 0.5), 1200), 0.004, 0.03)
    return concat(buzz(), silence(0.05), buzz())


def breath(rng, seconds, cutoff, attack, release):
    return envelope(lowpass(noise(seconds, rng), cutoff), attack, release)


def make_yawn(rng):
    voice = envelope(tone(260, 1.6, "saw", 0.5, vibrato=0.02, glide_to=170), 0.3, 0.7)
    return mix(lowpass(voice, 900), breath(rng, 1.6, 1200, 0.4, 0.8))


def make_sigh(rng, pitch):
    voice = envelope(tone(pitch, 1.1, "triangle", 0.3, glide_to=pitch * 0.7), 0.15, 0.6)
    return mix(lowpass(voice, 1400), breath(rng, 1.1, 2500, 0.1, 0.7))


def make_dog_bark(rng):
    out = []
    for k in range(2):
        bark = mix(tone(480, 0.14, "saw", 0.7, glide_to=300), noise(0.14, rng, 0.3))
        bark = decay(lowpass(bark, 1800), 0.05)
        place(out, bark, 0.25 * k)
    return concat(out, silence(0.1))


def make_dog_howl(rng):
    howl = tone(420, 2.4, "triangle", 0.8, vibrato=0.015, vib_rate=4.5, glide_to=610)
    howl = envelope(howl, 0.4, 1.0)
    return lowpass(mix(howl, noise(2.4, rng, 0.05)), 2000)


def make_dog_growl(rng):
    rumble = tone(95, 1.2, "saw", 0.8, vibrato=0.08, vib_rate=23)
    return envelope(lowpass(mix(rumble, noise(1.2, rng, 0.2)), 700), 0.1, 0.3)


def make_cat(rng):
    meow = tone(650, 0.7, "saw", 0.5, vibrato=0.02, glide_to=900)
    meow = envelope(meow, 0.08, 0.4)
    tail = envelope(tone(900, 0.3, "saw", 0.5, glide_to=520), 0.01, 0.25)
    return lowpass(concat(meow, tail), 2600)


def make_sneeze(rng, pitch):
    intake = breath(rng, 0.45, 1500, 0.35, 0.05)
    burst = decay(mix(highpass(noise(0.35, rng), 900), tone(pitch, 0.35, "saw", 0.25)), 0.09)
    return concat(intake, silence(0.05), burst)


def make_cough(rng):
    out = []
    for k in range(3):
        hit = decay(mix(lowpass(noise(0.2, rng), 1600), tone(150, 0.2, "saw", 0.3)), 0.05)
        place(out, hit, 0.28 * k, 1.0 - 0.2 * k)
    return concat(out, silence(0.1))


def make_telephone(rng):
    ring = mix(tone(440, 0.4, "sine", 0.5), tone(480, 0.4, "sine", 0.5))
    ring = [s * (0.6 + 0.4 * math.sin(TAU * 20 * i / RATE)) for i, s in enumerate(ring)]
    ring = envelope(ring, 0.01, 0.02)
    return concat(ring, silence(0.2), ring, silence(1.0))


def make_police(rng):
    # A two-tone siren passing by: alternating notes, loud in the middle, fading at both ends.
    out = []
    for k in range(6):
        note = tone(760 if k % 2 == 0 else 580, 0.35, "square", 0.35)
        place(out, envelope(lowpass(note, 2400), 0.02, 0.03), 0.35 * k)
    swell = [math.sin(math.pi * i / max(len(out) - 1, 1)) for i in range(len(out))]
    return [s * w for s, w in zip(out, swell)]


def make_applause(rng):
    # Many short hand claps, thick in the middle, thinning out towards the end.
    seconds = 2.4
    out = silence(seconds)
    for _ in range(260):
        at = rng.uniform(0.0, seconds - 0.05)
        density = 1.0 - (at / seconds) ** 2
        if rng.random() > density:
            continue
        clap = decay(highpass(noise(0.04, rng, rng.uniform(0.3, 0.7)), 800), 0.008)
        place(out, lowpass(clap, rng.uniform(2500, 5000)), at)
    return envelope(out, 0.15, 0.6)


def make_rain_loop(rng):
    # A loop: the noise bed is cross-faded with its own start so the seam does not click.
    seconds = 4.0
    bed = lowpass(noise(seconds + 0.5, rng, 0.5), 2500)
    drops = [0.0] * len(bed)
    for _ in range(180):
        drop = decay(highpass(noise(0.02, rng), 3000), 0.004)
        place(drops, drop, rng.uniform(0.0, seconds), rng.uniform(0.1, 0.5))
    body = mix(bed, drops)
    n = int(seconds * RATE)
    fade = int(0.5 * RATE)
    out = body[:n]
    for i in range(fade):
        w = i / fade
        out[i] = out[i] * w + body[n + i] * (1.0 - w)
    return out


def make_thunder(rng):
    crack = decay(highpass(noise(0.3, rng), 1500), 0.05)
    roll = decay(lowpass(noise(3.0, rng), 180), 1.0)
    roll = [s * (0.7 + 0.3 * math.sin(TAU * 1.3 * i / RATE)) for i, s in enumerate(roll)]
    out = list(roll)
    place(out, crack, 0.0, 0.6)
    return out


# ---- music -----------------------------------------------------------------------------

def kick():
    return decay(tone(110, 0.25, "sine", 1.0, glide_to=45), 0.08)


def hat(rng):
    return decay(highpass(noise(0.06, rng), 5000), 0.015)


def snare(rng):
    return decay(mix(highpass(noise(0.2, rng), 1200), tone(190, 0.2, "triangle", 0.4)), 0.06)


def pluck(freq, seconds, wave_form, amp):
    return decay(envelope(tone(freq, seconds, wave_form, amp), 0.005, 0.05), seconds * 0.4)


def pad(freqs, seconds, amp):
    voices = [tone(f, seconds, "triangle", amp / len(freqs), vibrato=0.003) for f in freqs]
    return envelope(mix(*voices), seconds * 0.2, seconds * 0.3)


def song(rng, tempo, root, progression, scale, bars_per_chord, repeats, lead_wave, drums):
    """A small arrangement: pad chords, a bass line, a random-walk melody and drums."""
    beat = 60.0 / tempo
    bar = 4 * beat
    out = []
    t = 0.0
    degree = 0
    for _ in range(repeats):
        for chord in progression:
            chord_notes = [root + chord + i for i in (0, 4 if chord in (0, 5, 7) else 3, 7)]
            length = bar * bars_per_chord
            place(out, pad([midi(n) for n in chord_notes], length, 0.35), t)
            for b in range(4 * bars_per_chord):
                bass_note = root - 12 + chord + (7 if b % 4 == 2 else 0)
                place(out, pluck(midi(bass_note), beat * 0.9, "saw", 0.35), t + b * beat)
                if drums:
                    if b % 2 == 0:
                        place(out, kick(), t + b * beat, 0.7)
                    else:
                        place(out, snare(rng), t + b * beat, 0.35)
                    place(out, hat(rng), t + (b + 0.5) * beat, 0.2)
                # Melody: eighth notes wandering over the scale, resting now and then.
                for half in range(2):
                    if rng.random() < 0.3:
                        continue
                    degree = max(-3, min(9, degree + rng.choice((-2, -1, -1, 0, 1, 1, 2))))
                    octave, step = divmod(degree, len(scale))
                    note = root + 12 + 12 * octave + scale[step]
                    place(out, pluck(midi(note), beat * 0.5, lead_wave, 0.3),
                          t + (b + 0.5 * half) * beat)
            t += length
    return concat(out, silence(0.5))


MAJOR = (0, 2, 4, 5, 7, 9, 11)
MINOR = (0, 2, 3, 5, 7, 8, 10)


def make_track_1(rng):
    return song(rng, 96, 60, (0, 7, 9, 5), MAJOR, 2, 2, "triangle", True)


def make_track_2(rng):
    return song(rng, 72, 57, (0, 5, 3, 7), MINOR, 2, 2, "sine", False)


def make_track_3(rng):
    return song(rng, 118, 62, (0, 5, 7, 5), MAJOR, 1, 4, "square", True)


def make_piano(rng):
    # A short practice phrase: struck notes with a bright start and a slow fade.
    out = []
    for k, note in enumerate((60, 64, 67, 72, 67, 64, 60)):
        f = midi(note)
        key = mix(tone(f, 1.2, "triangle", 0.6), tone(2 * f, 1.2, "sine", 0.2),
                  tone(3 * f, 1.2, "sine", 0.08))
        place(out, decay(envelope(key, 0.005, 0.3), 0.35), 0.32 * k)
    return lowpass(concat(out, silence(0.3)), 3000)


def make_chime(rng):
    # A meditation bell: inharmonic partials that ring on and die away slowly.
    base = 528.0
    partials = ((1.0, 0.6, 2.5), (2.76, 0.25, 1.4), (5.4, 0.12, 0.7), (8.93, 0.05, 0.4))
    rings = [decay(tone(base * ratio, 4.0, "sine", amp), tau) for ratio, amp, tau in partials]
    return envelope(mix(*rings), 0.003, 0.5)


def make_calm(rng):
    # A slow, soft chord that swells and fades, with a breath of wind under it.
    chord = pad([midi(n) for n in (57, 64, 69, 72)], 6.0, 0.4)
    wind = lowpass(noise(6.0, rng, 0.08), 500)
    return envelope(mix(chord, wind), 1.5, 2.0)


def make_you_have_mail(rng):
    # A bright rising three-note ping, each note a short bell: a letter has arrived.
    out = []
    for k, note in enumerate((76, 81, 88)):
        bell = mix(decay(tone(midi(note), 0.6, "sine", 0.6), 0.18),
                   decay(tone(midi(note) * 2.0, 0.6, "sine", 0.15), 0.08))
        place(out, envelope(bell, 0.004, 0.1), 0.13 * k)
    return concat(out, silence(0.15))


def make_mouseover(rng):
    # A soft, short rising blip for the pointer passing over a list entry: quieter and
    # rounder than the click, so sweeping across a list never grates.
    blip = decay(tone(880, 0.07, "sine", glide_to=1320), 0.02)
    air = decay(lowpass(noise(0.07, rng, 0.15), 3000), 0.01)
    return envelope(mix(blip, air), 0.004, 0.03)


def make_laboratory(rng):
    # Glassware at work: a few bubbling blips over a low hum, and a clink of two flasks.
    seconds = 1.6
    out = lowpass(tone(100, seconds, "sine", 0.12), 400)
    for _ in range(22):
        at = rng.uniform(0.0, seconds - 0.1)
        pitch = rng.uniform(500, 1100)
        bubble = decay(tone(pitch, 0.06, "sine", 0.35, glide_to=pitch * 1.6), 0.015)
        place(out, bubble, at)
    clink = mix(decay(tone(2600, 0.4, "sine", 0.4), 0.09),
                decay(tone(3900, 0.4, "sine", 0.15), 0.05))
    place(out, clink, 1.05)
    return envelope(out, 0.05, 0.3)


def make_typing(rng):
    # Uneven key strokes with now and then a heavier space bar, then the carriage bell.
    seconds = 1.5
    out = silence(seconds)
    at = 0.02
    while at < seconds - 0.35:
        heavy = rng.random() < 0.15
        key = decay(highpass(noise(0.03, rng, 0.8 if heavy else 0.5), 600 if heavy else 1500),
                    0.006 if heavy else 0.004)
        place(out, lowpass(key, rng.uniform(3000, 6000)), at)
        at += rng.uniform(0.06, 0.14)
    bell = decay(tone(midi(93), 0.3, "sine", 0.35), 0.08)
    place(out, bell, seconds - 0.32)
    return out


def make_cash(rng):
    # A till: the drawer rattles open and a bright bell rings twice.
    rattle = decay(lowpass(noise(0.18, rng, 0.6), 2500), 0.06)
    ring = lambda: mix(decay(tone(midi(88), 0.45, "sine", 0.5), 0.12),
                       decay(tone(midi(100), 0.45, "sine", 0.2), 0.06))
    out = silence(0.8)
    place(out, rattle, 0.0)
    place(out, ring(), 0.12)
    place(out, ring(), 0.3)
    return out


def make_readbook(rng):
    # Two pages turned: a soft rising swish of paper, then the page settling with a light pat.
    out = silence(1.1)
    for at in (0.05, 0.55):
        swish = envelope(highpass(lowpass(noise(0.32, rng, 0.5), 5000), 900), 0.12, 0.16)
        pat = decay(lowpass(noise(0.05, rng, 0.4), 1800), 0.015)
        place(out, swish, at)
        place(out, pat, at + 0.3)
    return out


def crowd_voice(rng, seconds, start, end, amp):
    # One voice of a crowd's vowel: a gliding buzz through a soft filter, slightly detuned.
    f0 = start * rng.uniform(0.94, 1.06)
    f1 = end * rng.uniform(0.94, 1.06)
    voice = tone(f0, seconds, "saw", amp, vibrato=0.01, vib_rate=rng.uniform(4, 6), glide_to=f1)
    return envelope(lowpass(voice, 1400), 0.08, 0.3)


def make_ooh(rng):
    # A crowd impressed: many voices rising together.
    return mix(*[crowd_voice(rng, 1.1, 180, 260, 0.3) for _ in range(8)])


def make_ahh(rng):
    # A crowd disappointed: many voices falling away.
    return mix(*[crowd_voice(rng, 1.1, 260, 150, 0.3) for _ in range(8)])


def make_bowling(rng):
    # A ball rolling down the lane, then the pins scattering.
    roll = lowpass(noise(1.2, rng, 0.4), 250)
    roll = [s * (0.4 + 0.6 * i / len(roll)) for i, s in enumerate(roll)]
    out = []
    place(out, envelope(roll, 0.1, 0.05), 0.0)
    for _ in range(10):
        pin = decay(mix(tone(rng.uniform(700, 1300), 0.3, "triangle", 0.4),
                        highpass(noise(0.3, rng, 0.3), 1500)), 0.05)
        place(out, pin, 1.2 + rng.uniform(0.0, 0.25))
    return out


def make_projector(rng):
    # A film projector's clatter: fast, even ticks over a motor hum.
    seconds = 2.0
    hum = mix(tone(100, seconds, "sine", 0.2), tone(200, seconds, "sine", 0.05))
    out = list(hum)
    for k in range(int(seconds * 24)):
        tick = decay(highpass(noise(0.015, rng, 0.5), 1200), 0.004)
        place(out, tick, k / 24.0)
    return envelope(out, 0.2, 0.4)


def make_wine(rng):
    # A cork pulled, then wine glugging into a glass.
    out = []
    pop = decay(mix(tone(600, 0.06, "sine", 0.7, glide_to=300), noise(0.06, rng, 0.3)), 0.01)
    place(out, pop, 0.0)
    for k in range(7):
        glug = decay(tone(rng.uniform(300, 420), 0.12, "sine", 0.5, glide_to=600), 0.04)
        place(out, envelope(glug, 0.005, 0.04), 0.35 + 0.11 * k)
    return out


def make_dance_music(rng):
    return song(rng, 126, 55, (0, 0, 5, 7), MINOR, 1, 4, "saw", True)


def make_game_bleep(rng):
    # Two quick square-wave notes a fifth apart: the chirp of a scoring move.
    a = envelope(tone(midi(84), 0.06, "square", 0.35), 0.002, 0.02)
    b = envelope(tone(midi(91), 0.09, "square", 0.35), 0.002, 0.04)
    return concat(lowpass(a, 5000), lowpass(b, 5000), silence(0.03))


def make_stopwatch(rng):
    # One second of a mechanical stopwatch: a dry tick on each half second, looped.
    out = silence(1.0)
    for k in range(2):
        tick = mix(decay(highpass(noise(0.02, rng, 0.8), 2500), 0.002),
                   decay(tone(3200 if k == 0 else 2700, 0.02, "sine", 0.4), 0.004))
        place(out, tick, 0.5 * k)
    return out


def make_laser(rng):
    # A falling zap.
    zap = tone(1800, 0.18, "square", 0.4, glide_to=300)
    return envelope(lowpass(zap, 6000), 0.002, 0.08)


def make_bang(rng):
    # A short pop of filtered noise with a low thump.
    pop = decay(lowpass(noise(0.25, rng), 2200), 0.05)
    thump = decay(tone(120, 0.25, "sine", 0.8, glide_to=50), 0.06)
    return mix(pop, thump)


def make_explode(rng):
    # A longer rumble: the ship breaking up.
    rumble = decay(lowpass(noise(1.2, rng), 700), 0.35)
    crack = decay(highpass(noise(0.15, rng, 0.6), 1500), 0.03)
    boom = decay(tone(70, 1.2, "sine", 0.7, glide_to=35), 0.3)
    return mix(rumble, crack, boom)


def make_kungfu(rng):
    # Two quick swishes of air and a hard thump.
    out = []
    for k in range(2):
        swish = envelope(highpass(noise(0.18, rng, 0.7), 1500), 0.08, 0.08)
        place(out, swish, 0.2 * k)
    thump = decay(mix(tone(90, 0.3, "sine", 1.0, glide_to=50), lowpass(noise(0.3, rng, 0.5), 600)), 0.06)
    place(out, thump, 0.45)
    return concat(out, silence(0.1))


def make_alarm(rng):
    # A burglar alarm's fast warble.
    out = []
    for k in range(12):
        note = tone(1250 if k % 2 == 0 else 950, 0.12, "square", 0.3)
        place(out, envelope(lowpass(note, 3000), 0.005, 0.01), 0.12 * k)
    return out


def make_engine(rng):
    # An engine turning over and catching, then idling.
    crank = [s * (0.5 + 0.5 * math.sin(TAU * 9 * i / RATE)) for i, s in
             enumerate(lowpass(noise(0.6, rng, 0.6), 500))]
    idle = tone(55, 1.2, "saw", 0.6, vibrato=0.05, vib_rate=14)
    idle = envelope(lowpass(mix(idle, noise(1.2, rng, 0.15)), 700), 0.05, 0.4)
    return concat(crank, idle)


def make_bike_bell(rng):
    ding = decay(mix(tone(2100, 0.5, "sine", 0.6), tone(3150, 0.5, "sine", 0.2)), 0.12)
    return concat(ding, silence(0.05), ding)


def make_beep(rng):
    a = envelope(tone(1320, 0.08, "square", 0.3), 0.003, 0.01)
    b = envelope(tone(1760, 0.12, "square", 0.3), 0.003, 0.03)
    return lowpass(concat(a, silence(0.04), b), 4000)


def make_strum(rng):
    # A chord strummed low to high.
    out = []
    for k, note in enumerate((40, 45, 50, 55, 59, 64)):
        place(out, pluck(midi(note + 12), 1.4, "triangle", 0.35), 0.025 * k)
    return lowpass(out, 3500)


def make_splash(rng):
    drop = decay(tone(600, 0.15, "sine", 0.5, glide_to=1400), 0.04)
    water = envelope(lowpass(noise(0.5, rng, 0.6), 2500), 0.01, 0.35)
    return mix(concat(drop, silence(0.35)), concat(silence(0.05), water))


def make_squeak(rng):
    out = []
    for k in range(3):
        place(out, envelope(tone(2600, 0.07, "sine", 0.5, glide_to=3300), 0.005, 0.03), 0.12 * k)
    return concat(out, silence(0.1))


def make_squawk(rng):
    cry = tone(900, 0.35, "saw", 0.6, vibrato=0.06, vib_rate=30, glide_to=1300)
    cry = envelope(mix(cry, highpass(noise(0.35, rng, 0.2), 2000)), 0.02, 0.15)
    return lowpass(concat(cry, silence(0.08), cry), 3500)


def make_parrot(rng):
    # A parrot's two-note "hel-lo": a bright nasal voice, then a whistle up.
    def syllable(f0, f1, seconds):
        voice = tone(f0, seconds, "saw", 0.5, vibrato=0.03, vib_rate=18, glide_to=f1)
        voice = mix(voice, tone(f0 * 2, seconds, "square", 0.12, glide_to=f1 * 2))
        return envelope(lowpass(voice, 3200), 0.02, 0.08)
    whistle = envelope(tone(1400, 0.3, "sine", 0.6, glide_to=2100), 0.03, 0.12)
    return concat(syllable(700, 820, 0.16), silence(0.04), syllable(980, 640, 0.22),
                  silence(0.12), whistle, silence(0.1))


def make_fanfare(rng):
    # A short brass fanfare: three rising calls, then a held major chord.
    def brass(note, seconds, amp=0.28):
        f = midi(note)
        body = mix(tone(f, seconds, "saw", amp, vibrato=0.004, vib_rate=5.5),
                   tone(f * 2.0, seconds, "saw", amp * 0.35))
        return envelope(lowpass(body, 2600), 0.03, min(0.15, seconds / 3))
    out = []
    at = 0.0
    for note, length in ((60, 0.16), (60, 0.16), (60, 0.16), (67, 0.5),
                         (64, 0.16), (67, 0.16), (72, 0.7)):
        place(out, brass(note, length), at)
        at += length + 0.03
    for note in (60, 64, 67, 72):
        place(out, brass(note, 1.4, 0.16), at)
    return concat(out, silence(0.2))


def make_club_door(rng):
    # Arriving at a club: the bass thumps through the wall, the door is pulled open with a
    # clunk, and the room spills out, bright hi-hats and a cheer on top of the same beat.
    beat_gap = 60.0 / 126.0
    door_at = 2 * beat_gap
    seconds = 5 * beat_gap
    beat = silence(seconds)
    for k in range(5):
        kick = decay(tone(95, 0.3, "sine", 0.9, glide_to=45), 0.07)
        place(beat, kick, beat_gap * k)
    cut = int(door_at * RATE)
    outside = [s * 0.45 for s in lowpass(lowpass(beat[:cut], 160), 160)]
    inside = lowpass(beat[cut:], 2500)
    out = concat(outside, inside)
    for k in range(3):
        hat = decay(highpass(noise(0.05, rng, 0.35), 6000), 0.012)
        place(out, hat, door_at + beat_gap * (k + 0.5))
    latch = mix(decay(highpass(noise(0.04, rng, 0.7), 1500), 0.008),
                decay(tone(180, 0.12, "triangle", 0.5, glide_to=120), 0.03))
    swing = envelope(lowpass(noise(0.25, rng, 0.25), 600), 0.02, 0.2)
    place(out, latch, door_at - 0.05)
    place(out, swing, door_at - 0.02)
    cheer = mix(*[crowd_voice(rng, 0.9, 240, 330, 0.12) for _ in range(6)])
    place(out, cheer, door_at + 0.05)
    return envelope(out, 0.02, 0.25)


def make_drumroll(rng):
    # A bar of rock beat on a practice kit, then a fill down the toms and a crash.
    beat = 60.0 / 110
    out = []
    for b in range(4):
        place(out, kick() if b % 2 == 0 else snare(rng), b * beat, 0.7 if b % 2 == 0 else 0.5)
        for half in range(2):
            place(out, hat(rng), (b + 0.5 * half) * beat, 0.25)
    for k, freq in enumerate((220, 200, 170, 140, 120, 100)):
        tom = decay(tone(freq, 0.3, "sine", 0.8, glide_to=freq * 0.7), 0.09)
        place(out, tom, 4 * beat + k * beat / 3, 0.6)
    crash = decay(highpass(noise(1.2, rng), 3000), 0.35)
    place(out, mix(crash, kick()), 6 * beat, 0.6)
    return concat(out, silence(0.2))


def make_bassline(rng):
    # A walking bass line: round low plucks, one a beat.
    beat = 60.0 / 100
    out = []
    for k, note in enumerate((28, 32, 35, 37, 40, 37, 35, 33, 28)):
        f = midi(note + 12)
        string = mix(tone(f, beat * 1.1, "saw", 0.5), tone(f, beat * 1.1, "sine", 0.6))
        place(out, decay(envelope(lowpass(string, 700), 0.01, 0.08), beat * 0.6), k * beat)
    return concat(out, silence(0.2))


def make_singing(rng):
    # A voice warming up: "ah" up and down a major arpeggio, with a gentle vibrato.
    out = []
    t = 0.0
    for note, length in ((60, 0.35), (64, 0.35), (67, 0.35), (72, 0.7), (67, 0.35), (64, 0.35),
                         (60, 0.9)):
        f = midi(note)
        voice = mix(tone(f, length, "saw", 0.5, vibrato=0.012, vib_rate=5.5),
                    tone(f, length, "sine", 0.6, vibrato=0.012, vib_rate=5.5))
        place(out, envelope(lowpass(voice, 1800), 0.05, 0.08), t)
        t += length
    return concat(out, silence(0.25))


SOUNDS = {
    "click.ogg": make_click,
    "yawn.ogg": make_yawn,
    "male_sigh.ogg": lambda rng: make_sigh(rng, 140),
    "female_sigh.ogg": lambda rng: make_sigh(rng, 260),
    "dogbark.wav": make_dog_bark,
    "doghowl.ogg": make_dog_howl,
    "dog_growl.ogg": make_dog_growl,
    "cat.ogg": make_cat,
    "sneeze1.wav": lambda rng: make_sneeze(rng, 330),
    "sneeze2.wav": lambda rng: make_sneeze(rng, 250),
    "cough.ogg": make_cough,
    "telephone.ogg": make_telephone,
    "dancemusic.ogg": make_dance_music,
    "rain_loop.ogg": make_rain_loop,
    "thunder.ogg": make_thunder,
    "music/track01.ogg": make_track_1,
    "music/track02.ogg": make_track_2,
    "music/track03.ogg": make_track_3,
    # New effects go last: each sound's random seed follows its place in this table.
    "error.ogg": make_error,
    "police.wav": make_police,
    "applause.ogg": make_applause,
    "piano.ogg": make_piano,
    "chime.ogg": make_chime,
    "calm.ogg": make_calm,
    "youhavemail.ogg": make_you_have_mail,
    "mouseover.ogg": make_mouseover,
    "laboratory.ogg": make_laboratory,
    "typing.ogg": make_typing,
    "cash.ogg": make_cash,
    "gamebleep.ogg": make_game_bleep,
    "stopwatch.ogg": make_stopwatch,
    "laser.wav": make_laser,
    "bang.wav": make_bang,
    "explode.wav": make_explode,
    "ooh.ogg": make_ooh,
    "ahh.ogg": make_ahh,
    "bowling.ogg": make_bowling,
    "projector.ogg": make_projector,
    "wine.ogg": make_wine,
    "readbook.ogg": make_readbook,
    "kungfu.ogg": make_kungfu,
    "alarm.ogg": make_alarm,
    "engine.ogg": make_engine,
    "bikebell.ogg": make_bike_bell,
    "beep.ogg": make_beep,
    "strum.ogg": make_strum,
    "splash.ogg": make_splash,
    "squeak.ogg": make_squeak,
    "squawk.ogg": make_squawk,
    "parrot.wav": make_parrot,
    "fanfare.ogg": make_fanfare,
    "clubdoor.ogg": make_club_door,
    "drumroll.ogg": make_drumroll,
    "bassline.ogg": make_bassline,
    "singing.ogg": make_singing,
}


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else "data/sounds"
    # Names after the folder make only those files (the others keep their bytes).
    only = set(sys.argv[2:])
    unknown = only - set(SOUNDS)
    if unknown:
        sys.exit("unknown sounds: " + ", ".join(sorted(unknown)))
    for index, (name, maker) in enumerate(SOUNDS.items()):
        if only and name not in only:
            continue
        rng = random.Random(1000 + index)
        path = os.path.join(out_dir, name)
        write_sound(path, maker(rng))
        print(path)


if __name__ == "__main__":
    main()
