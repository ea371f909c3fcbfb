-- The demo database "Sales": 20 contact fields (5 protected with entry rule 3), field numbers with
-- gaps, indices 4, 11 and 19 holding no field, 6 users (one administrator, two named alike) and a
-- dozen contacts. Loading it replaces the open database's fields, users and contacts.

DELETE FROM contacts;
DELETE FROM fields;
DELETE FROM users;

INSERT INTO fields (idx, number, label, entry_rule) VALUES
    (0, 1, 'Company', 0),
    (1, 2, 'Contact', 0),
    (2, 3, 'Title', 0),
    (3, 4, 'Phone', 1),
    (4, NULL, '', 0),
    (5, 6, 'Address 1', 0),
    (6, 7, 'City', 0),
    (7, 8, 'State', 2),
    (8, 9, 'Zip', 0),
    (9, 12, 'Country', 0),
    (10, 15, 'ID/Status', 3),
    (11, NULL, '', 0),
    (12, 20, 'Referred By', 0),
    (13, 21, 'Sales Region', 3),
    (14, 22, 'Account Manager', 3),
    (15, 30, 'E-mail', 0),
    (16, 31, 'Credit Limit', 3),
    (17, 32, 'Last Results', 0),
    (18, 40, 'Customer Type', 3),
    (19, NULL, '', 0),
    (20, 41, 'Birthday', 0),
    (21, 42, 'Fax', 0),
    (22, 50, 'Web Site', 0);

INSERT INTO users (position, name, unique_id, security) VALUES
    (1, 'Dana Whitfield', 'K7Q2M9X1', 5),
    (2, 'Sam Ortega', 'P3R8T4V6', 3),
    (3, 'Alex Morgan', 'D9F5H2J7', 3),
    (4, 'Alex Morgan', 'L4N6S8W2', 1),
    (5, 'Priya Raman', 'B2C7G3Y5', 4),
    (6, 'Lee Brennan', 'E8U1Z6A4', 0);

INSERT INTO contacts (id) VALUES (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (11), (12);

INSERT INTO contact_values (contact, field, value) VALUES
    (1, 1, 'Northwind Traders'), (1, 2, 'Maria Anders'), (1, 7, 'Seattle'), (1, 15, 'Customer'),
    (1, 21, 'West'), (1, 22, 'Sam Ortega'), (1, 31, '50000'), (1, 40, 'Key Account'),
    (2, 1, 'Blue Harbor Foods'), (2, 2, 'Tom Becker'), (2, 7, 'Boston'), (2, 15, 'Prospect'),
    (2, 21, 'East'),
    (3, 1, 'Cedar Labs'), (3, 2, 'Ana Lima'), (3, 7, 'Austin'), (3, 15, 'Customer'), (3, 21, 'South'),
    (3, 22, 'Priya Raman'), (3, 31, '12000'),
    (4, 1, 'Delta Freight'), (4, 2, 'Owen Park'), (4, 7, 'Denver'),
    (5, 1, 'Evergreen Print'), (5, 2, 'Lucia Rossi'), (5, 7, 'Portland'), (5, 15, 'Vendor'),
    (6, 1, 'Fjord Outfitters'), (6, 2, 'Nils Berg'), (6, 7, 'Minneapolis'), (6, 40, 'Reseller'),
    (7, 1, 'Granite Legal'), (7, 2, 'Rita Chen'), (7, 7, 'Chicago'), (7, 21, 'Central'),
    (8, 1, 'Harbor Clinic'), (8, 2, 'Omar Haddad'), (8, 7, 'Miami'), (8, 15, 'Customer'),
    (9, 1, 'Ironwood Tools'), (9, 2, 'Beth Nolan'), (9, 7, 'Cleveland'),
    (10, 1, 'Juniper Studio'), (10, 2, 'Kai Tanaka'), (10, 7, 'San Diego'), (10, 22, 'Sam Ortega'),
    (11, 1, 'Keystone Bank'), (11, 2, 'Grace Hall'), (11, 7, 'Pittsburgh'), (11, 31, '250000'),
    (12, 1, 'Lakeside Hotel'), (12, 2, 'Ivan Petrov'), (12, 7, 'Madison');

-- The administrator is logged in, on the first contact, in the contact view, with no field focused.
UPDATE act_state SET current_contact = 1, logged_in_user = 1, active_view_type = 1, focus_field = -1;
