#!/usr/bin/env bash
# Makes the example documents in samples/documents from the CSV texts below, through
# LibreOffice (run once; the results are committed).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/sales.csv" <<'CSV'
Region,Q1,Q2,Q3,Q4,Total
North,1200,1350,1420,1610,5580
South,980,1010,1175,1230,4395
East,1430,1380,1505,1690,6005
West,870,940,1005,1120,3935
Central,1105,1150,1210,1335,4800
Coast,760,820,905,990,3475
Mountains,540,600,655,720,2515
Islands,320,355,390,430,1495
CSV

cat >"$work/staff.csv" <<'CSV'
Name,Department,Started,Hours per week,Remarks
Anna Berg,Accounts,2015,40,Leads the yearly closing of the books and the audit preparation
Jonas Keller,Warehouse,2019,38,
Maria Lopez,Sales,2012,40,Responsible for the southern and coastal regions
Peter Novak,Sales,2021,30,Part time
Sofia Rossi,Design,2017,36,Works on the catalogue and the price lists
Tomas Wilk,Warehouse,2010,40,
CSV

cat >"$work/inventory.csv" <<'CSV'
Item,Code,In stock,Unit price,Supplier
Desk lamp,L-100,42,19.90,Lumen
Office chair,C-220,15,129.00,Sitwell
Notebook A5,N-005,380,2.40,Papyrus
Stapler,S-012,64,7.95,Clipper
Monitor stand,M-310,23,34.50,Lumen
Whiteboard,W-090,8,89.00,Boardline
Ink cartridge,I-447,120,24.99,Inkjet Co
Filing cabinet,F-600,5,210.00,Sitwell
Cable set,K-018,95,12.30,Connecta
Desk organiser,D-041,57,9.80,Papyrus
CSV

soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
    --convert-to xls --outdir "$here/documents" "$work"/*.csv >/dev/null
ls -l "$here/documents"
