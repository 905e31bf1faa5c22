#!/usr/bin/env python3
"""Serves morvik-engine's UBGI loop on a TCP port, for front ends that talk to
an external player over a socket (one board line in, one answer line out).

    scripts/ubgi-bridge.py [--port 5000] [--log FILE] -- build/dev/engine/morvik-engine ubgi

Every connection gets its own engine process; lines are relayed both ways
unchanged (the engine itself ignores CR and leading NUL bytes)."""
import argparse
import socket
import subprocess
import sys
import threading


def relay_engine_output(engine, conn, log):
    for line in engine.stdout:
        if log:
            log.write("< " + line.decode(errors="replace"))
            log.flush()
        try:
            conn.sendall(line)
        except OSError:
            break


def serve(conn, command, log):
    engine = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    threading.Thread(target=relay_engine_output, args=(engine, conn, log), daemon=True).start()
    try:
        with conn, conn.makefile("rb") as lines:
            for line in lines:
                if log:
                    log.write("> " + line.decode(errors="replace").rstrip("\r\n") + "\n")
                    log.flush()
                engine.stdin.write(line if line.endswith(b"\n") else line + b"\n")
                engine.stdin.flush()
        engine.stdin.close()
    except (BrokenPipeError, ConnectionError):
        print("connection or engine closed", file=sys.stderr)
    engine.wait()


def main():
    parser = argparse.ArgumentParser(
        description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--port", type=int, default=5000, help="the port to listen on (5000)")
    parser.add_argument("--host", default="127.0.0.1", help="the address to listen on (127.0.0.1)")
    parser.add_argument("--log", help="write the traffic to this file")
    parser.add_argument("--once", action="store_true", help="stop after the first connection")
    parser.add_argument("command", nargs="+", help="the engine command line")
    args = parser.parse_args()
    log = open(args.log, "w") if args.log else None
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind((args.host, args.port))
    server.listen(1)
    print(f"listening on {args.host}:{args.port}", file=sys.stderr)
    while True:
        conn, _ = server.accept()
        serve(conn, args.command, log)
        if args.once:
            return


if __name__ == "__main__":
    main()
