// The worked examples of docs/engineering.md (connections section): the
// table is read from the document and every row checked against the
// simplified method, so the document and the program cannot drift apart.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "connections/connmsg.h"
#include "connections/plates.h"
#include "connections/thickness.h"
#include "materials/matkind.h"
#include "test_support/annex/scopedannex.h"

namespace {

// The rows of the table between the example markers, as numbers.
std::vector<std::vector<double>> Example_Rows()
{
    std::ifstream in(KOV_TEST_DIR "/../../docs/engineering.md");
    std::string line;
    bool inside = false;
    std::vector<std::vector<double>> rows;
    while (std::getline(in, line)) {
        if (line.find("<!-- connection-examples -->") != std::string::npos)
            inside = true;
        else if (line.find("<!-- end connection-examples -->") != std::string::npos)
            break;
        else if (inside && line.size() > 2 && line[0] == '|' && line[2] >= '0' && line[2] <= '9') {
            std::vector<double> row;
            std::istringstream cells(line.substr(1));
            std::string cell;
            while (std::getline(cells, cell, '|'))
                if (cell.find_first_not_of(' ') != std::string::npos) row.push_back(std::stod(cell));
            rows.push_back(row);
        }
    }
    return rows;
}

} // namespace

TEST(EngineeringDocument, SingleShearDowelExamples)
{
    const std::vector<std::vector<double>> rows = Example_Rows();
    ASSERT_EQ(rows.size(), 5u);
    const double kDeg = 0.017453292519944444;
    for (int annex_on : {0, 1}) {
        ScopedAnnex annex(annex_on ? 1 : ScopedAnnex::kNone);
        for (const std::vector<double>& c : rows) {
            ASSERT_EQ(c.size(), 10u);
            const double d = c[0], a1 = c[1] * kDeg, a2 = c[2] * kDeg, f_u = c[3], rho = c[4], t1 = c[5], t2 = c[6];
            EXPECT_NEAR(Required_Thickness_Second(d, FT_DOWEL, 0, 0, 1, 0, a1, a2, 0, f_u, t1, t2, rho, rho,
                                                  MK_SOFTWOOD, MK_SOFTWOOD, 5, 5, nullptr, nullptr),
                        c[8], 1e-5)
                << d;
            ConnectionResult r;
            Conn_Clear(&r);
            const double R = Connector_Bolt_Part(1, d, 0, 1, 0, t1, t2, rho, rho, MK_SOFTWOOD, MK_SOFTWOOD, 5, 5, f_u,
                                                 a1, a2, nullptr, nullptr, &r);
            EXPECT_NEAR(r.t_req, c[7], 1e-5) << d;
            EXPECT_NEAR(r.t_req_2, c[8], 1e-5) << d;
            EXPECT_NEAR(R, c[9], 1e-3) << d;
        }
    }
}
