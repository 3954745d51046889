# Deployment values with Chinese text, as a deployer writes them (UTF-8), and
# a chat host with the characters a C literal must escape.
set(BRELLIS_DB_PASSWORD [==[密码Pass]==])
set(BRELLIS_DB_USER_ID [==[用户]==])
set(BRELLIS_DB_CATALOG [==[服务库]==])
set(BRELLIS_DB_DATA_SOURCE [==[brellis-服务.db]==])
set(BRELLIS_ACCOUNT [==[帐号13800000000]==])
set(BRELLIS_ACCOUNT_PASSWORD [==[六六六]==])
set(BRELLIS_PUBLIC_ADDRESS_HOST [==[ip.example.net]==])
set(BRELLIS_HELP_PAGE_HOST [==[www.example.com]==])
set(BRELLIS_CHAT_HOST [==[q"\?.example]==])
