#!/usr/bin/env python3
"""Times tonvexa-convert against the ffmpeg command line doing the same jobs with the same
encoders and settings, in one run, and prints each ratio and the peak memory.

    bench/convert.py [--build build] [--minutes 3] [--long-minutes 30]

Inputs are made on the spot in a temporary folder: music-like audio (a chord with vibrato
and tremolo over pink noise), never silence. Each job is run three times; the best time
counts, since the machine is shared.
"""
import argparse
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time


def run_measured(argv):
    """Runs a program; returns (seconds, peak resident kilobytes of that child)."""
    before = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        try:
            devnull = os.open(os.devnull, os.O_RDWR)
            os.dup2(devnull, 0)
            os.dup2(devnull, 1)
            os.dup2(devnull, 2)
            os.execvp(argv[0], argv)
        finally:
            os._exit(127)
    _, status, usage = os.wait4(pid, 0)
    seconds = time.perf_counter() - before
    if os.waitstatus_to_exitcode(status) != 0:
        raise RuntimeError("failed: " + " ".join(argv))
    return seconds, usage.ru_maxrss


def best_of(argv, prepare, runs=3):
    best, peak = None, 0
    for _ in range(runs):
        prepare()
        seconds, rss = run_measured(argv)
        best = seconds if best is None else min(best, seconds)
        peak = max(peak, rss)
    return best, peak


def make_music(path, seconds, args):
    chord = ("0.25*sin(2*PI*(220+3*sin(2*PI*5*t))*t)*(0.7+0.3*sin(2*PI*1.5*t))"
             "+0.15*sin(2*PI*277.2*t)+0.12*sin(2*PI*329.6*t)+0.06*sin(2*PI*880*t)*sin(2*PI*0.25*t)")
    graph = (f"anoisesrc=c=pink:a=0.08:r=44100:d={seconds}[n];"
             f"aevalsrc=exprs='{chord}|{chord.replace('220', '221')}':s=44100:d={seconds}[s];"
             "[s][n]amix=inputs=2:normalize=0,aformat=channel_layouts=stereo[out]")
    subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y", "-filter_complex", graph,
                    "-map", "[out]"] + args + [path], check=True)


def options_file(folder, out, **values):
    path = os.path.join(folder, "options-%d.ini" % len(os.listdir(folder)))
    with open(path, "w") as f:
        f.write("[Options]\nDestOutputFolderOpt=399\nDestSpecifiedFolder=%s\nCreateDirs=0\n" % out)
        f.write("BrowseOutputFolder=0\n")
        for k, v in values.items():
            f.write("%s=%s\n" % (k, v))
    return path


def tags_share(tool, work, src, wma, mp3, out, clean, mp3opts, wavopts, wmaopts):
    """The time a whole tag with a cover adds to each conversion: the same job on a tagged and
    on an untagged copy of the same audio, kept with "Keep ID3 tag"."""
    cover = os.path.join(work, "cover.jpg")
    subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                    "testsrc2=s=1000x1000", "-frames:v", "1", "-q:v", "2", cover], check=True)
    texts = ["title=Symphony No. 9 in D minor, Op. 125: IV. Presto \u2013 Allegro assai",
             "artist=Ludwig van Beethoven", "album_artist=Wiener Philharmoniker",
             "album=Symphonies", "composer=Beethoven", "genre=Romantic Symphony",
             "track=4/12", "disc=1/2", "date=1970", "comment=Live", "publisher=DG",
             "lyrics=Freude, sch\u00f6ner G\u00f6tterfunken"]
    tagged_mp3 = os.path.join(src, "tagged.mp3")
    meta = []
    for t in texts:
        meta += ["-metadata", t]
    subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y", "-i", mp3, "-i", cover,
                    "-map", "0:a", "-map", "1", "-c", "copy", "-disposition:v", "attached_pic",
                    "-id3v2_version", "3"] + meta + [tagged_mp3], check=True)
    # A tagged Windows Media file, cover included, as only Tonvexa itself writes one here.
    tagged_wma = os.path.join(src, "tagged.wma")
    subprocess.run([tool, "--to", "wma", "--options", wmaopts, tagged_mp3], check=True,
                   stdout=subprocess.DEVNULL)
    shutil.move(os.path.join(out, "tagged.wma"), tagged_wma)
    keep = ["--set", "ID3TagOpt=1", "--set", "WMAID3TagOpt=1"]
    jobs = [("Windows Media to MP3", "mp3", mp3opts, wma, tagged_wma),
            ("Windows Media to WAV", "wav", wavopts, wma, tagged_wma),
            ("Windows Media to Windows Media", "wma", wmaopts, wma, tagged_wma),
            ("MP3 to Windows Media", "wma", wmaopts, mp3, tagged_mp3)]
    print("tags: a %d KiB cover and %d texts, kept" % (os.path.getsize(cover) // 1024, len(texts)))
    print("%-42s %9s %9s %9s" % ("job", "plain s", "tagged s", "tag share"))
    for name, target, opts, plain, tagged in jobs:
        t_plain, _ = best_of([tool, "--to", target, "--options", opts] + keep + [plain], clean)
        t_tagged, _ = best_of([tool, "--to", target, "--options", opts] + keep + [tagged], clean)
        print("%-42s %9.3f %9.3f %8.1f%%" % (name, t_plain, t_tagged,
                                            100.0 * (t_tagged - t_plain) / t_tagged))


def main():
    parser = argparse.ArgumentParser()
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--build", default=os.path.join(top, "build"))
    parser.add_argument("--minutes", type=float, default=3)
    parser.add_argument("--long-minutes", type=float, default=30)
    a = parser.parse_args()
    tool = os.path.join(a.build, "tonvexa-convert")
    if not os.access(tool, os.X_OK):
        sys.exit("build tonvexa-convert first (scripts/tonvexa.sh build)")

    work = tempfile.mkdtemp(prefix="tonvexa-bench-")
    try:
        secs = int(a.minutes * 60)
        src = os.path.join(work, "src")
        out = os.path.join(work, "out")
        os.makedirs(src)
        wav = os.path.join(src, "music.wav")
        wma = os.path.join(src, "music.wma")
        mp3 = os.path.join(src, "music.mp3")
        make_music(wav, secs, ["-c:a", "pcm_s16le"])
        make_music(wma, secs, ["-c:a", "wmav2", "-b:a", "128k"])
        make_music(mp3, secs, ["-c:a", "libmp3lame", "-b:a", "128k"])

        def clean():
            shutil.rmtree(out, ignore_errors=True)
            os.makedirs(out)

        mp3opts = options_file(work, out, AutoDestMP3EncodingParam=0, MP3BitRate=128,
                               MP3SampleRate=44100, MP3ChannelMode=1)
        wavopts = options_file(work, out, AutoDestWAVEncodingParam=0, WAVSampleRate=48000,
                               WAVChannelNum=2, WAVBitsPerSample=16)
        wmaopts = options_file(work, out, AutoDestWMAEncodingParam=0, WMABitRate=128000,
                               WMASampleRate=44100, WMAChannels=2)
        ff = ["ffmpeg", "-nostdin", "-v", "error", "-y", "-i"]
        jobs = [
            ("Windows Media to MP3 128 kbit/s", [tool, "--to", "mp3", "--options", mp3opts, wma],
             ff + [wma, "-c:a", "libmp3lame", "-b:a", "128k", "-write_xing", "0",
                   os.path.join(out, "ff.mp3")]),
            ("Windows Media to WAV, 44100 to 48000 Hz", [tool, "--to", "wav", "--options", wavopts, wma],
             ff + [wma, "-ar", "48000", "-c:a", "pcm_s16le", os.path.join(out, "ff.wav")]),
            ("WAV to Windows Media 128 kbit/s", [tool, "--to", "wma", "--options", wmaopts, wav],
             ff + [wav, "-c:a", "wmav2", "-b:a", "128k", os.path.join(out, "ff.wma")]),
            ("MP3 to Windows Media 128 kbit/s", [tool, "--to", "wma", "--options", wmaopts, mp3],
             ff + [mp3, "-c:a", "wmav2", "-b:a", "128k", os.path.join(out, "ff.wma")]),
        ]
        print("inputs: %g minutes of stereo 44100 Hz music-like audio" % a.minutes)
        print("%-42s %9s %9s %7s %10s" % ("job", "ours s", "ffmpeg s", "ratio", "peak MiB"))
        for name, ours, theirs in jobs:
            t_ours, rss = best_of(ours, clean)
            t_ff, _ = best_of(theirs, clean)
            print("%-42s %9.2f %9.2f %7.2f %10.1f" % (name, t_ours, t_ff, t_ours / t_ff, rss / 1024))

        batch = os.path.join(work, "batch")
        os.makedirs(batch)
        for i in range(8):
            shutil.copy(wma, os.path.join(batch, "track%d.wma" % i))
        t1, _ = best_of([tool, "--to", "mp3", "--jobs", "1", "--options", mp3opts, batch], clean, 2)
        t2, _ = best_of([tool, "--to", "mp3", "--jobs", "2", "--options", mp3opts, batch], clean, 2)
        print("batch of 8 to MP3: --jobs 1 %.2f s, --jobs 2 %.2f s, speed-up %.2f (cores: %d)"
              % (t1, t2, t1 / t2, os.cpu_count()))

        tags_share(tool, work, src, wma, mp3, out, clean, mp3opts, wavopts, wmaopts)

        longwma = os.path.join(src, "long.wma")
        make_music(longwma, int(a.long_minutes * 60), ["-c:a", "wmav2", "-b:a", "128k"])
        for name, path in (("%g min" % a.minutes, wma), ("%g min" % a.long_minutes, longwma)):
            _, rss = best_of([tool, "--to", "mp3", "--options", mp3opts, path], clean, 1)
            print("peak memory, Windows Media to MP3 of %s: %.1f MiB" % (name, rss / 1024))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
