#!/usr/bin/python3
"""Checks memcheck_report.py on small reports: which findings are ours, the exit status, the sums.

    python3 scripts/memcheck_report_test.py
"""

import contextlib
import io
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import memcheck_report  # noqa: E402

REPO = "/work/repo"
BINARY = "/work/repo/build-memcheck/src/wordrow"
QT_CORE = "/usr/lib/x86_64-linux-gnu/libQt6Core.so.6"


def frame(fn, obj=QT_CORE, directory=None, file=None, line=None):
    source = f"<dir>{directory}</dir><file>{file}</file><line>{line}</line>" if file else ""
    return f"<frame><ip>0x1</ip><obj>{obj}</obj><fn>{fn}</fn>{source}</frame>"


def leak(kind, size, blocks, *frames):
    return (
        f"<error><unique>0x{size:x}</unique><tid>1</tid><kind>{kind}</kind>"
        f"<xwhat><text>{size} bytes in {blocks} blocks</text><leakedbytes>{size}</leakedbytes>"
        f"<leakedblocks>{blocks}</leakedblocks></xwhat><stack>{''.join(frames)}</stack></error>"
    )


def memory_error(unique, kind, *stacks):
    return (
        f"<error><unique>{unique}</unique><tid>1</tid><kind>{kind}</kind><what>{kind}</what>"
        + "".join(f"<stack>{''.join(s)}</stack>" for s in stacks)
        + "</error>"
    )


def report(*errors, counts=(), suppressed=(), finished=True):
    pairs = "".join(f"<pair><count>{c}</count><unique>{u}</unique></pair>" for u, c in counts)
    supp = "".join(f"<pair><count>{c}</count><name>{n}</name></pair>" for n, c in suppressed)
    status = "<status><state>FINISHED</state></status>" if finished else ""
    return (
        '<?xml version="1.0"?><valgrindoutput><protocolversion>4</protocolversion>'
        "<status><state>RUNNING</state></status>"
        + "".join(errors)
        + status
        + f"<errorcounts>{pairs}</errorcounts><suppcounts>{supp}</suppcounts></valgrindoutput>"
    )


OUR_FRAME = frame("MainWindow::createControls()", BINARY, f"{REPO}/src/app", "MainWindow.cpp", 106)


class MemcheckReportTest(unittest.TestCase):
    def run_report(self, text):
        with tempfile.NamedTemporaryFile("w", suffix=".xml", delete=False) as file:
            file.write(text)
        self.addCleanup(os.remove, file.name)
        out, err = io.StringIO(), io.StringIO()
        with contextlib.redirect_stdout(out), contextlib.redirect_stderr(err):
            status = memcheck_report.main(["memcheck_report.py", file.name, REPO, BINARY])
        return status, out.getvalue() + err.getvalue()

    def test_a_finding_is_ours_through_any_frame_in_src_or_in_the_binary(self):
        in_src_of_a_library = frame(
            "WordList::append", "/usr/lib/libwordrow.so", f"{REPO}/src/game", "WordList.cpp", 3
        )
        in_binary_without_source = frame("0x4242", BINARY)
        for ours in (OUR_FRAME, in_src_of_a_library, in_binary_without_source):
            status, out = self.run_report(
                report(leak("Leak_DefinitelyLost", 24, 1, frame("malloc"), ours))
            )
            self.assertEqual(status, 1, out)
            self.assertIn("ours: 1", out)
        # Where the block came from counts too, for an error Qt trips over.
        status, out = self.run_report(
            report(
                memory_error(
                    "0x0", "InvalidRead", [frame("QString::size")], [frame("malloc"), OUR_FRAME]
                )
            )
        )
        self.assertEqual(status, 1, out)
        self.assertIn("* MainWindow::createControls() (/work/repo/src/app/MainWindow.cpp:106)", out)

    def test_frames_outside_our_source_and_binary_are_not_ours(self):
        elsewhere = [
            frame("QSvgRenderer::load", "/usr/lib/libQt6Svg.so.6", "/usr/src/qt", "qsvg.cpp", 9),
            frame("helper", "/usr/lib/libx.so", f"{REPO}/src-old", "helper.cpp", 1),
            frame("TempDir::TempDir", f"{REPO}/build/tests/x", f"{REPO}/tests", "TempDir.cpp", 5),
        ]
        status, out = self.run_report(
            report(leak("Leak_DefinitelyLost", 100, 2, frame("malloc"), *elsewhere))
        )
        self.assertEqual(status, 0, out)
        self.assertIn("ours: 0", out)

    def test_possibly_lost_fails_only_when_ours(self):
        theirs = leak("Leak_PossiblyLost", 368, 1, frame("calloc"), frame("QThread::start"))
        status, _ = self.run_report(report(theirs))
        self.assertEqual(status, 0)
        ours = leak("Leak_PossiblyLost", 368, 1, frame("calloc"), OUR_FRAME)
        status, _ = self.run_report(report(ours))
        self.assertEqual(status, 1)

    def test_summaries_add_up_by_kind_and_count_repeated_errors(self):
        status, out = self.run_report(
            report(
                leak("Leak_DefinitelyLost", 10, 1, frame("malloc")),
                leak("Leak_DefinitelyLost", 20, 2, frame("malloc")),
                leak("Leak_IndirectlyLost", 7, 3, frame("malloc")),
                memory_error("0x5", "UninitCondition", [frame("qHash")]),
                counts=[("0x5", 4)],
                suppressed=[("xcb-request-padding", 2), ("qt-svg", 1)],
            )
        )
        self.assertEqual(status, 0, out)
        self.assertIn("ERROR SUMMARY: 7 errors from 4 contexts (suppressed: 3 from 2)", out)
        self.assertIn("definitely lost: 30 bytes in 3 blocks (2 records)", out)
        self.assertIn("indirectly lost: 7 bytes in 3 blocks (1 records)", out)
        self.assertIn("possibly lost:   0 bytes in 0 blocks (0 records)", out)

    def test_a_report_that_is_cut_short_or_not_a_report_fails_apart_from_findings(self):
        status, out = self.run_report(report(finished=False))
        self.assertEqual(status, 2)
        self.assertIn("did not finish", out)
        status, out = self.run_report("<valgrindoutput><error>")
        self.assertEqual(status, 2)
        self.assertIn("cannot read", out)
        status, _ = self.run_report("<html></html>")
        self.assertEqual(status, 2)


if __name__ == "__main__":
    unittest.main()
