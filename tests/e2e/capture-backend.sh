#!/bin/sh
# A CUPS backend for the print tests: "capture:FOLDER" keeps each job's file as
# FOLDER/job-N.pdf and the options the job arrived with as FOLDER/job-N.options
# (written first, so that a test finding the file finds the options too).
if [ $# -eq 0 ]; then
  echo 'direct capture "Unknown" "Test capture"'
  exit 0
fi
folder=${DEVICE_URI#capture:}
job=$1
printf '%s\n' "$5" >"$folder/job-$job.options"
if [ $# -ge 6 ]; then
  cat "$6" >"$folder/job-$job.part"
else
  cat >"$folder/job-$job.part"
fi
mv "$folder/job-$job.part" "$folder/job-$job.pdf"
