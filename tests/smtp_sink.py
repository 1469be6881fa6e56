"""A local SMTP server for the mail tests, on aiosmtpd.

Listens on 127.0.0.1:PORT and writes each message it accepts into DIR as NNNNNN.json: the
envelope, the login used, the raw message, its headers (raw and decoded), the text part and the
attachments. A file appears whole (written aside, then renamed) before the server answers the
message's final dot, so a client that has been told "sent" finds it there.

Addresses containing "refused" are refused: a sender with 553, a recipient with 550. With
--login USER:PASSWORD, AUTH is offered (without TLS) and only that pair is accepted. With
--tls-cert and --tls-key, STARTTLS is offered with that certificate. The server stops on
SIGTERM, or when its standard input reaches its end (the test that started it is gone).
"""
import argparse
import base64
import json
import logging
import os
import signal
import ssl
import sys
import threading
from email import message_from_bytes, policy
from email.header import decode_header, make_header

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


def decoded(value):
    return str(make_header(decode_header(value)))


def describe(envelope, session):
    raw = envelope.original_content or envelope.content
    message = message_from_bytes(raw, policy=policy.compat32)
    record = {
        "mailFrom": envelope.mail_from,
        "rcptTo": list(envelope.rcpt_tos),
        "login": "",
        "raw": base64.b64encode(raw).decode("ascii"),
        "headers": [[name, value, decoded(value)] for name, value in message.items()],
        "text": None,
        "attachments": [],
    }
    auth = getattr(session, "auth_data", None)
    if isinstance(auth, LoginPassword):
        record["login"] = auth.login.decode("utf-8", "replace")
    for part in message.walk():
        if part.is_multipart():
            continue
        name = part.get_filename()
        payload = part.get_payload(decode=True) or b""
        if name is not None:
            record["attachments"].append({
                "name": decoded(name),
                "contentType": part.get_content_type(),
                "data": base64.b64encode(payload).decode("ascii"),
            })
        elif record["text"] is None and part.get_content_type() == "text/plain":
            charset = part.get_content_charset() or "us-ascii"
            record["text"] = payload.decode(charset, "replace")
    return record


class Sink:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        if "refused" in address:
            return "553 5.7.1 Sender refused"
        envelope.mail_from = address
        envelope.mail_options.extend(mail_options)
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if "refused" in address:
            return "550 5.1.1 Recipient refused"
        envelope.rcpt_tos.append(address)
        envelope.rcpt_options.extend(rcpt_options)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        path = os.path.join(self.folder, "%06d.json" % self.count)
        with open(path + ".part", "w", encoding="utf-8") as out:
            json.dump(describe(envelope, session), out)
        os.rename(path + ".part", path)
        return "250 2.0.0 Message accepted"


def main():
    # aiosmtpd logs a notice of its own deprecated API at every login, and a trace for every
    # handshake the tests make fail on purpose; what the tests check is in the messages.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    parser = argparse.ArgumentParser()
    parser.add_argument("port", type=int)
    parser.add_argument("folder")
    parser.add_argument("--login", default="")
    parser.add_argument("--tls-cert", default="")
    parser.add_argument("--tls-key", default="")
    args = parser.parse_args()

    options = {"auth_require_tls": False}
    if args.login:
        user, _, password = args.login.partition(":")

        def check(server, session, envelope, mechanism, data):
            ok = (isinstance(data, LoginPassword) and data.login == user.encode()
                  and data.password == password.encode())
            return AuthResult(success=ok, handled=False, auth_data=data if ok else None)

        options["authenticator"] = check
    if args.tls_cert:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.tls_cert, args.tls_key)
        options["tls_context"] = context

    controller = Controller(Sink(args.folder), hostname="127.0.0.1", port=args.port, **options)
    controller.start()
    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    signal.signal(signal.SIGINT, lambda *_: stop.set())

    def watch_parent():
        # The test holds our stdin open: when it ends, however it ends, the server ends too.
        while os.read(0, 4096):
            pass
        stop.set()

    threading.Thread(target=watch_parent, daemon=True).start()
    print("ready", flush=True)
    while not stop.wait(0.2):
        pass
    controller.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
