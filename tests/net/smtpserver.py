#!/usr/bin/python3
"""SMTP servers for the mail tests, all in one process on loopback ports.

Run with Debian's interpreter (it has aiosmtpd). Every listener gets a free
port; when all listen, "MODE PORT" lines are written to the ports file (by
rename, so a reader never sees half of it). Until SIGTERM or SIGINT.

Modes:
  login       AUTH LOGIN offered (on a continuation line of the EHLO reply)
  cram        AUTH CRAM-MD5 and LOGIN offered
  noehlo      EHLO answered with 502; HELO accepted
  data4xx     DATA answered with 451
  silent      accepts connections and never says anything
  greetclose  sends a greeting line and closes the connection
  backlog     a listening socket whose queue is full: connects never complete
  refused     a port nobody listens on
  unnamed     like login, on 127.0.0.2 (an address without a host name)

Every mail accepted is stored in the mail folder as RECIPIENT.eml (the data
as received, after the server removed the transparency dots) and
RECIPIENT.json (envelope, greeting used, authentication mechanism).
"""

import argparse
import asyncio
import hmac
import json
import os
import secrets
import signal
import socket
import warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword, MISSING

USER = b"tim"
PASSWORD = b"tanstaaftanstaaf"


class Recorder:
    def __init__(self, maildir, reject_ehlo=False):
        self.maildir = maildir
        self.reject_ehlo = reject_ehlo

    async def handle_EHLO(self, server, session, envelope, hostname, responses):
        if self.reject_ehlo:
            session.extended_smtp = False
            return ["502 5.5.2 EHLO not accepted here"]
        session.host_name = hostname
        session.ehlo_name = hostname
        return responses

    async def handle_HELO(self, server, session, envelope, hostname):
        session.host_name = hostname
        session.helo_name = hostname
        return "250 {}".format(server.hostname)

    async def handle_DATA(self, server, session, envelope):
        name = envelope.rcpt_tos[0].replace("/", "_")
        with open(os.path.join(self.maildir, name + ".eml"), "wb") as f:
            f.write(envelope.original_content)
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "ehlo": getattr(session, "ehlo_name", None),
            "helo": getattr(session, "helo_name", None),
            "auth": session.auth_data if session.authenticated else None,
        }
        with open(os.path.join(self.maildir, name + ".json"), "w") as f:
            json.dump(record, f)
        return "250 2.0.0 Ok: queued"

    # AUTH CRAM-MD5 (RFC 2195): a fresh challenge, answered by the user name
    # and the hex HMAC-MD5 of the challenge under the password.
    async def auth_CRAM__MD5(self, server, args):
        challenge = "<{}.{}@korvex.test>".format(secrets.randbelow(10**9), os.getpid()).encode()
        answer = await server.challenge_auth(challenge)
        if answer is MISSING:
            return AuthResult(success=False)
        user, _, digest = answer.partition(b" ")
        expected = hmac.new(PASSWORD, challenge, "md5").hexdigest().encode()
        if user == USER and hmac.compare_digest(digest, expected):
            return AuthResult(success=True, auth_data="CRAM-MD5")
        return AuthResult(success=False, handled=False)


def check_login(server, session, envelope, mechanism, auth_data):
    if isinstance(auth_data, LoginPassword) and auth_data.login == USER and auth_data.password == PASSWORD:
        return AuthResult(success=True, auth_data=mechanism)
    return AuthResult(success=False, handled=False)


class DataRefusingSMTP(SMTP):
    async def smtp_DATA(self, arg):
        await self.push("451 4.3.0 Mail server busy, try again later")


class Silent(asyncio.Protocol):
    def connection_made(self, transport):
        self.transport = transport


class GreetAndClose(asyncio.Protocol):
    def connection_made(self, transport):
        transport.write(b"220 korvex.test closing at once\r\n")
        transport.close()


def smtp_factory(cls, handler, excluded):
    def make():
        return cls(handler, hostname="korvex.test", decode_data=False, auth_require_tls=False,
                   authenticator=check_login, auth_exclude_mechanism=excluded)
    return make


async def serve(maildir, portsfile):
    loop = asyncio.get_running_loop()
    ports = {}
    keep = []

    async def listen(mode, factory, host="127.0.0.1"):
        server = await loop.create_server(factory, host, 0)
        keep.append(server)
        ports[mode] = server.sockets[0].getsockname()[1]

    plain = Recorder(maildir)
    await listen("login", smtp_factory(SMTP, Recorder(maildir), ["PLAIN", "CRAM-MD5"]))
    await listen("cram", smtp_factory(SMTP, plain, ["PLAIN"]))
    await listen("noehlo", smtp_factory(SMTP, Recorder(maildir, reject_ehlo=True), ["PLAIN", "CRAM-MD5"]))
    await listen("data4xx", smtp_factory(DataRefusingSMTP, plain, ["PLAIN", "CRAM-MD5"]))
    await listen("unnamed", smtp_factory(SMTP, plain, ["PLAIN", "CRAM-MD5"]), host="127.0.0.2")
    await listen("silent", Silent)
    await listen("greetclose", GreetAndClose)

    # A queue of length 0 holds one connection; the next connect hangs.
    backlog = socket.socket()
    backlog.bind(("127.0.0.1", 0))
    backlog.listen(0)
    filler = socket.socket()
    filler.setblocking(False)
    try:
        filler.connect(backlog.getsockname())
    except BlockingIOError:
        pass
    keep += [backlog, filler]
    ports["backlog"] = backlog.getsockname()[1]

    probe = socket.socket()
    probe.bind(("127.0.0.1", 0))
    ports["refused"] = probe.getsockname()[1]
    probe.close()

    with open(portsfile + ".tmp", "w") as f:
        for mode, port in ports.items():
            f.write("{} {}\n".format(mode, port))
    os.rename(portsfile + ".tmp", portsfile)

    stop = asyncio.Event()
    for sig in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(sig, stop.set)
    await stop.wait()


def main():
    warnings.simplefilter("ignore")
    parser = argparse.ArgumentParser()
    parser.add_argument("--maildir", required=True)
    parser.add_argument("--ports", required=True)
    args = parser.parse_args()
    os.makedirs(args.maildir, exist_ok=True)
    asyncio.run(serve(args.maildir, args.ports))


if __name__ == "__main__":
    main()
