#!/usr/bin/env python3
"""Synthesises the game's five recordings as 8-bit mono PCM WAVE files.

    python3 tools/soundgen/soundgen.py [--out DIR]

DIR defaults to layouts/sounds beside this tool. The output is the same, byte for byte, on every
run and every machine: the noise comes from a fixed-seed generator of our own and every function
is plain IEEE arithmetic (no libm), so the files can be checked against a fresh run.

  101  11025 Hz  a calm pond: water lapping, bubbles, a distant bird, crickets; loops seamlessly
  102  22050 Hz  the rod's whoosh
  103  22050 Hz  the float's light plop
  104  22050 Hz  a short bright chime for a landed fish
  105  22050 Hz  a low, soft failure sound
"""

import argparse
import hashlib
import os
import struct
import sys

PI = 3.141592653589793
TWO_PI = 2.0 * PI
HALF_PI = 0.5 * PI
LN2 = 0.6931471805599453

# Exact lengths of the data chunks, in samples (one byte each).
FORMATS = {
    101: (11025, 120811),
    102: (22050, 7800),
    103: (22050, 1846),
    104: (22050, 26516),
    105: (22050, 9452),
}


# ---- arithmetic that gives the same bits everywhere ---------------------------------------------


def floor_(x):
    i = int(x)
    return i - 1 if x < i else i


def sin_(x):
    """Sine by range reduction and a Taylor polynomial (error below 1e-9)."""
    k = floor_(x / TWO_PI + 0.5)
    r = x - k * TWO_PI
    if r > HALF_PI:
        r = PI - r
    elif r < -HALF_PI:
        r = -PI - r
    r2 = r * r
    # r - r^3/3! + r^5/5! - ... + r^13/13!
    t = 1.0 / 6227020800.0
    t = 1.0 / 39916800.0 - r2 * t
    t = 1.0 / 362880.0 - r2 * t
    t = 1.0 / 5040.0 - r2 * t
    t = 1.0 / 120.0 - r2 * t
    t = 1.0 / 6.0 - r2 * t
    return r * (1.0 - r2 * t)


def cos_(x):
    return sin_(x + HALF_PI)


def exp_(x):
    """e^x as 2^n * e^r with |r| <= ln2/2 and a Taylor polynomial."""
    if x < -700.0:
        return 0.0
    n = floor_(x / LN2 + 0.5)
    r = x - n * LN2
    term = 1.0
    total = 1.0
    for i in range(1, 14):
        term = term * r / i
        total += term
    return total * (2.0 ** n)


class Noise:
    """xorshift64*: a small generator whose sequence is fixed by its seed."""

    def __init__(self, seed):
        self.s = (seed * 0x9E3779B97F4A7C15 + 1) & 0xFFFFFFFFFFFFFFFF or 1

    def next(self):
        s = self.s
        s ^= s >> 12
        s ^= (s << 25) & 0xFFFFFFFFFFFFFFFF
        s ^= s >> 27
        self.s = s
        return ((s * 0x2545F4914F6CDD1D) & 0xFFFFFFFFFFFFFFFF) >> 40  # 24 bits

    def uniform(self):
        """[0, 1)"""
        return self.next() / 16777216.0

    def white(self):
        """[-1, 1)"""
        return self.next() / 8388608.0 - 1.0

    def between(self, a, b):
        return a + (b - a) * self.uniform()


# ---- building blocks ----------------------------------------------------------------------------


def hann_bump(t):
    """0 at t = 0 and t = 1, 1 at t = 0.5, smooth at both ends."""
    if t <= 0.0 or t >= 1.0:
        return 0.0
    s = sin_(PI * t)
    return s * s


def fade(t):
    """Raised-cosine rise from 0 (t <= 0) to 1 (t >= 1)."""
    if t <= 0.0:
        return 0.0
    if t >= 1.0:
        return 1.0
    return 0.5 - 0.5 * cos_(PI * t)


class StateVariable:
    """Chamberlin state-variable filter: low-pass and band-pass outputs."""

    def __init__(self, rate):
        self.rate = rate
        self.low = 0.0
        self.band = 0.0

    def run(self, x, freq, q):
        f = 2.0 * sin_(PI * min(freq, self.rate / 6.0) / self.rate)
        self.low += f * self.band
        high = x - self.low - self.band / q
        self.band += f * high
        return self.low, self.band


class OnePole:
    def __init__(self, rate, freq):
        self.a = 1.0 - exp_(-TWO_PI * freq / rate)
        self.y = 0.0

    def run(self, x):
        self.y += self.a * (x - self.y)
        return self.y


def normalise(signal, peak):
    top = max(abs(v) for v in signal)
    return [v * peak / top for v in signal] if top > 0 else signal


def quantise(signal, seed):
    """Floats in [-1, 1] to unsigned 8-bit with triangular dither of one step."""
    rng = Noise(seed)
    out = bytearray(len(signal))
    for i, v in enumerate(signal):
        d = rng.uniform() - rng.uniform()
        q = floor_(128.0 + v * 127.0 + d + 0.5)
        out[i] = 1 if q < 1 else (254 if q > 254 else q)
    return out


# ---- 101: the pond ------------------------------------------------------------------------------


def pond():
    rate, n = FORMATS[101]
    xfade = rate  # one second of the run-on is folded back into the start
    total = n + xfade
    rng = Noise(101)
    water = [0.0] * total
    busy = [False] * total  # where bubbles and the bird sound, kept away from the loop point

    # The water bed: soft brown noise with slow swell.
    lp1 = OnePole(rate, 260.0)
    lp2 = OnePole(rate, 520.0)
    swell_phase = rng.between(0.0, TWO_PI)
    for i in range(total):
        t = i / rate
        swell = 0.75 + 0.25 * sin_(TWO_PI * 0.23 * t + swell_phase)
        water[i] = 0.35 * swell * lp2.run(lp1.run(rng.white()))

    # Laps against the bank: band-passed noise, each a slow rise and a longer ebb.
    svf = StateVariable(rate)
    laps = []
    t = 0.2
    while t < total / rate:
        laps.append((t, rng.between(0.25, 0.45), rng.between(0.7, 1.3), rng.between(0.5, 1.0),
                     rng.between(320.0, 560.0)))
        t += rng.between(1.1, 2.1)
    envelope = [0.0] * total
    centre = [400.0] * total
    for start, rise, ebb, level, freq in laps:
        a = int(start * rate)
        b = min(total, int((start + rise + ebb) * rate))
        for i in range(a, b):
            u = (i - a) / rate
            e = fade(u / rise) if u < rise else exp_(-3.0 * (u - rise) / ebb)
            e *= level
            if e > envelope[i]:
                envelope[i] = e
                centre[i] = freq * (1.0 - 0.25 * u / (rise + ebb))
    for i in range(total):
        _, band = svf.run(rng.white(), centre[i], 1.6)
        water[i] += 0.7 * envelope[i] * band

    # Bubbles breaking the surface: short sines that rise in pitch.
    for _ in range(9):
        start = int(rng.between(0.3, total / rate - 0.3) * rate)
        f0 = rng.between(650.0, 1250.0)
        level = rng.between(0.06, 0.14)
        length = int(0.06 * rate)
        phase = 0.0
        for k in range(length):
            u = k / rate
            f = f0 * (1.0 + 6.0 * u)
            phase += TWO_PI * f / rate
            e = fade(u / 0.003) * exp_(-u / 0.014)
            water[start + k] += level * e * sin_(phase)
            busy[start + k] = True

    # A distant bird: two calls of three falling-rising notes.
    for call_start in (2.4, 7.3):
        s = call_start + rng.between(-0.2, 0.2)
        for note in range(3):
            f_hi = rng.between(3000.0, 3400.0) - 150.0 * note
            dur = 0.12 + 0.04 * note
            a = int((s + note * 0.21) * rate)
            m = int(dur * rate)
            phase = 0.0
            for k in range(m):
                u = k / m
                f = f_hi * (1.0 - 0.18 * u) + 60.0 * sin_(TWO_PI * 28.0 * k / rate)
                phase += TWO_PI * f / rate
                water[a + k] += 0.05 * hann_bump(u) * sin_(phase)
                busy[a + k] = True

    # Fold the run-on back over the start with an equal-power crossfade: the sample after the
    # last one is then the natural continuation of the signal, so the loop has no seam.
    out = water[:n]
    for i in range(xfade):
        w = i / xfade
        a = sin_(HALF_PI * w)
        b = cos_(HALF_PI * w)
        out[i] = water[i] * a + water[n + i] * b
        busy[i] = busy[i] or busy[n + i]
    busy = busy[:n]

    # Crickets far off: a pattern whose period divides the loop, so it repeats exactly.
    groups = 22
    period = n / groups
    carrier = round(4200.0 * n / rate) / n  # whole cycles per loop, in cycles per sample
    for i in range(n):
        p = (i % period) / period  # position in this chirp group
        if p < 0.24:
            pulse = (p * 4 / 0.24) % 1.0  # four pulses per chirp
            e = hann_bump(pulse) * fade(p / 0.03) * fade((0.24 - p) / 0.03)
            out[i] += 0.018 * e * sin_(TWO_PI * carrier * i)

    out = normalise(out, 0.5)
    data = quantise(out, 1010)

    # Choose the loop point where the recording is quiet and two neighbours are closest: rotating
    # a seamless loop keeps it seamless, and this puts the file's ends on matching samples.
    best, best_key = 0, None
    for r in range(n):
        if busy[r] or busy[r - 1]:
            continue
        key = (abs(data[r] - data[r - 1]), abs(out[r] - out[r - 1]), r)
        if best_key is None or key < best_key:
            best, best_key = r, key
    return rate, bytes(data[best:] + data[:best])


# ---- 102: the rod's whoosh ----------------------------------------------------------------------


def whoosh():
    rate, n = FORMATS[102]
    rng = Noise(102)
    svf = StateVariable(rate)
    body = OnePole(rate, 900.0)
    out = []
    for i in range(n):
        t = i / n
        # The tip passes fastest at 40 %: pitch and loudness follow its speed.
        speed = hann_bump(t / 0.8 if t < 0.4 else 0.5 + (t - 0.4) / 1.2)
        freq = 350.0 + 2300.0 * speed
        x = rng.white()
        _, band = svf.run(x, freq, 2.2)
        low = body.run(x)
        env = speed * fade(t / 0.05) * fade((1.0 - t) / 0.12)
        out.append(env * (0.8 * band + 0.5 * low))
    return rate, bytes(quantise(normalise(out, 0.85), 1020))


# ---- 103: the float's plop ----------------------------------------------------------------------


def plop():
    rate, n = FORMATS[103]
    rng = Noise(103)
    splash = OnePole(rate, 2500.0)
    out = []
    phase = 0.0
    for i in range(n):
        u = i / rate
        f = 420.0 * (1.0 + 9.0 * u)  # a bubble rises in pitch as it closes
        phase += TWO_PI * f / rate
        tone = fade(u / 0.002) * exp_(-u / 0.018) * sin_(phase)
        noise = splash.run(rng.white()) * fade(u / 0.001) * exp_(-u / 0.004)
        tail = fade((n - 1 - i) / (0.006 * rate))
        out.append(tail * (tone + 0.35 * noise))
    return rate, bytes(quantise(normalise(out, 0.8), 1030))


# ---- 104: the landing chime ---------------------------------------------------------------------


def chime():
    rate, n = FORMATS[104]
    notes = [(0.00, 1318.51), (0.09, 1661.22), (0.18, 1975.53), (0.30, 2637.02)]
    partials = [(1.0, 1.0), (2.0, 0.22), (3.0, 0.07)]
    out = [0.0] * n
    for start, f in notes:
        a = int(start * rate)
        for k in range(n - a):
            u = k / rate
            e = fade(u / 0.004) * exp_(-u / 0.32)
            s = 0.0
            for mult, level in partials:
                s += level * exp_(-u * mult * 1.5) * sin_(TWO_PI * f * mult * u)
            out[a + k] += e * s
    for i in range(n):
        out[i] *= fade((n - 1 - i) / (0.12 * rate))
    return rate, bytes(quantise(normalise(out, 0.8), 1040))


# ---- 105: the failure sound ---------------------------------------------------------------------


def failure():
    rate, n = FORMATS[105]
    out = []
    phase = 0.0
    first = 0.17
    soft = OnePole(rate, 1400.0)
    for i in range(n):
        t = i / rate
        if t < first:
            f = 196.0 - 8.0 * t / first
            e = fade(t / 0.012) * fade((first - t) / 0.02)
        else:
            u = (t - first) / (n / rate - first)
            f = 147.0 - 22.0 * u
            e = fade((t - first) / 0.015) * (1.0 - 0.35 * u) * fade((1.0 - u) / 0.25)
        phase += TWO_PI * f / rate
        s = sin_(phase) + 0.3 * sin_(2.0 * phase) + 0.1 * sin_(3.0 * phase)
        out.append(soft.run(e * s))
    return rate, bytes(quantise(normalise(out, 0.6), 1050))


# ---- files --------------------------------------------------------------------------------------


def wave_image(rate, data):
    """RIFF WAVE: fmt (PCM, mono, 8 bits), fact, data, and a pad byte after odd data."""
    fmt = struct.pack("<4sIHHIIHH", b"fmt ", 16, 1, 1, rate, rate, 1, 8)
    fact = struct.pack("<4sII", b"fact", 4, len(data))
    pad = b"\0" if len(data) % 2 else b""
    body = b"WAVE" + fmt + fact + struct.pack("<4sI", b"data", len(data)) + data + pad
    return struct.pack("<4sI", b"RIFF", len(body)) + body


MAKERS = {101: pond, 102: whoosh, 103: plop, 104: chime, 105: failure}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(os.path.join(here, "..", "..", "layouts", "sounds"))
    parser = argparse.ArgumentParser(description="Synthesise the game's recordings.")
    parser.add_argument("--out", default=default_out, help="folder for 101.wav .. 105.wav")
    args = parser.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    for rid, make in MAKERS.items():
        rate, data = make()
        want_rate, want_len = FORMATS[rid]
        assert rate == want_rate and len(data) == want_len, rid
        image = wave_image(rate, data)
        path = os.path.join(args.out, "%d.wav" % rid)
        with open(path, "wb") as f:
            f.write(image)
        print("%d.wav %s" % (rid, hashlib.sha256(image).hexdigest()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
