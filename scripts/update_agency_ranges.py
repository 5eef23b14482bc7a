#!/usr/bin/env python3
"""Makes cli/hyphens/agency_ranges.txt from the International ISBN Agency's RangeMessage.xml.

The agency publishes its registration groups, and the registrant ranges within each, as
RangeMessage.xml (https://www.isbn-international.org/range_file_generation), a few times a
year. Its structure, as the agency documents it:

    <ISBNRangeMessage>
      <MessageSource>International ISBN Agency</MessageSource>
      <MessageSerialNumber>...</MessageSerialNumber>
      <MessageDate>Sun, 13 Nov 2022 16:58:20 GMT</MessageDate>
      <EAN.UCCPrefixes> ... </EAN.UCCPrefixes>
      <RegistrationGroups>
        <Group>
          <Prefix>978-4</Prefix>
          <Agency>Japan</Agency>
          <Rules>
            <Rule><Range>0000000-1999999</Range><Length>2</Length></Rule>
            ...

A rule covers the seven digits after the group; its length is the registrant element's,
0 for a range not yet assigned. To refresh the table when the agency publishes a new list:

    scripts/update_agency_ranges.py RangeMessage.xml cli/hyphens/agency_ranges.txt

and rebuild; the date of the list shows in `isbnconv --version`.
"""
import email.utils
import sys
import xml.etree.ElementTree as ElementTree

HEADER = """\
# The registration groups of the International ISBN Agency and the registrant ranges
# assigned within each: one group a line, its prefix and group ("978-4"), then each
# range of registrant elements as first-last, whose length is the registrant's. A
# group without ranges has none assigned. Made by scripts/update_agency_ranges.py from
# the agency's RangeMessage.xml; refresh it with that script, not by hand.
"""


def ranges_of(group):
    ranges = []
    for rule in group.iter("Rule"):
        first, last = rule.findtext("Range").split("-")
        length = int(rule.findtext("Length"))
        if length > 0:
            ranges.append(f"{first[:length]}-{last[:length]}")
    return ranges


def main(source, target):
    message = ElementTree.parse(source).getroot()
    date = email.utils.parsedate_to_datetime(message.findtext("MessageDate")).date().isoformat()
    serial = message.findtext("MessageSerialNumber", default="").strip()
    lines = [HEADER, f"# date: {date}\n", f"# source: the agency's RangeMessage.xml, serial {serial}\n"]
    for group in message.find("RegistrationGroups").iter("Group"):
        lines.append(" ".join([group.findtext("Prefix")] + ranges_of(group)) + "\n")
    with open(target, "w", encoding="ascii", newline="\n") as out:
        out.writelines(lines)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: update_agency_ranges.py RangeMessage.xml agency_ranges.txt")
    main(sys.argv[1], sys.argv[2])
